#include "app/loadstep.h"

#include "app/dialogs.h"
#include "host/hostfolder.h"

HostFolderSearch runLoadStep(Dialogs& dialogs) {
    // Only the empty text is missing: blanks are a folder name like any other. Where the
    // search looked goes behind the message's details.
    HostFolderSearch search = findHostFolder();
    if (!search.found()) {
        dialogs.detailedMessage(QString::fromLatin1(NoHostFolderMessage),
                                noHostFolderDetails(search));
        return search;
    }
    Module1::HostFolder = search.folder;
    return search;
}
