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

QString noHostFolderDetails(const HostFolderSearch& search) {
    QStringList lines{QStringLiteral("Varnel looked for the Norvo 7 folder here:")};
    for (const QString& miss : search.misses)
        lines.append(QStringLiteral("  ") + miss);
    lines.append(QString());
#ifdef Q_OS_WIN
    lines.append(QStringLiteral("Install Norvo 7: its installer writes its folder into the "
                                "registry value Directory of "
                                "HKEY_LOCAL_MACHINE\\Software\\Pellorwick\\NORVO7."));
#else
    lines.append(
        QStringLiteral("Install Norvo 7 in a Wine prefix, or name its folder in the settings "
                       "file %1 with one line:")
            .arg(Module2::settingsFiles(QStringLiteral("Pellorwick"), QStringLiteral("NORVO7"))
                     .constFirst()));
    lines.append(QStringLiteral("Directory=\"/path/to/Norvo 7\""));
#endif
    return lines.join(u'\n');
}

bool runLoadStep(Dialogs& dialogs, QString* windowsFolder) {
    int folderId = SpecialFolders::DocumentsFolderId;
    SpecialFolders::DocumentsFolder = SpecialFolders::GetSpecialFolder(folderId);

    // Only the empty text is missing: blanks are a folder name like any other. Where the
    // search looked goes behind the message's details.
    const HostFolderSearch search = findHostFolder();
    if (!search.found()) {
        dialogs.detailedMessage(QStringLiteral("Please install a valid copy of Norvo 7."),
                                noHostFolderDetails(search));
        return false;
    }
    Module1::HostFolder = search.folder;
    if (windowsFolder)
        *windowsFolder = search.windowsFolder;
    return true;
}
