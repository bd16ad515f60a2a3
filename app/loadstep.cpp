#include "app/loadstep.h"

#include "app/dialogs.h"
#include "app/hostfolder.h"
#include "app/hostfoldersearch.h"
#include "app/registryvalue.h"
#include "app/shellfolders.h"

QString readHostFolderSetting() {
    return Module2::registryValueText(Module2::ReadRegistryValue(
        QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Pellorwick\\NORVO7\\"),
        QStringLiteral("Directory")));
}

bool runLoadStep(Dialogs& dialogs, QString* windowsFolder) {
    int folderId = SpecialFolders::DocumentsFolderId;
    SpecialFolders::DocumentsFolder = SpecialFolders::GetSpecialFolder(folderId);

    // Only the empty text is missing: blanks are a folder name like any other. Where the
    // search looked is for the command line; the window says only what the user must do.
    const HostFolderSearch search = findHostFolder();
    if (!search.found()) {
        dialogs.message(QStringLiteral("Please install a valid copy of Norvo 7."));
        return false;
    }
    Module1::HostFolder = search.folder;
    if (windowsFolder)
        *windowsFolder = search.windowsFolder;
    return true;
}
