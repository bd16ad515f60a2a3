#include "app/loadstep.h"

#include "app/dialogs.h"
#include "app/hostfolder.h"

HostFolderSearch runLoadStep(Dialogs& dialogs) {
    // Only the empty text is missing: blanks are a folder name like any other. Where the
    // search looked is for the command line; the window says only what the user must do.
    HostFolderSearch search = findHostFolder();
    if (!search.found()) {
        dialogs.message(QString::fromLatin1(NoHostFolderMessage));
        return search;
    }
    Module1::HostFolder = search.folder;
    return search;
}
