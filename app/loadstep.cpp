#include "app/loadstep.h"

#include "app/dialogs.h"
#include "host/hostfolder.h"

#include <QCoreApplication>

HostFolderSearch runLoadStep(Dialogs& dialogs) {
    // Only the empty text is missing: blanks are a folder name like any other. Where the
    // search looked goes behind the message's details.
    HostFolderSearch search = findHostFolder();
    if (!search.found()) {
        dialogs.detailedMessage(QCoreApplication::translate("Messages", NoHostFolderMessage),
                                noHostFolderDetails(search));
        return search;
    }
    Module1::HostFolder = search.folder;
    return search;
}
