#include "host/hostfoldersearch.h"

#include "host/registryvalue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifndef Q_OS_WIN
#include "host/wineregistry.h"
#endif

namespace {

// The host's key below Software in HKEY_LOCAL_MACHINE, organisation and application: the one
// place it is spelt.
const QString HostOrg = QStringLiteral("Pellorwick");
const QString HostApp = QStringLiteral("NORVO7");
const QString HostSubKey = HostOrg + u'\\' + HostApp;
const QString HostValue = QStringLiteral("Directory");

// One line of the places looked at: %1 the place, %2 why it gave no folder.
QString placeLine(const QString& place, const QString& why) {
    //: A line of the list of places Varnel looked at for Norvo's folder (the start-up
    //: message's details, --where). %1: the place; %2: why it gave no folder.
    return QCoreApplication::translate("HostFolder", "%1: %2").arg(place, why);
}

// Why a value read as the host-folder setting gives no folder.
// A stored type ("@Variant(...)" and the like) is passed over as no folder: `storedType` says
// one was, when no file gave a value.
QString settingProblem(const QVariant& value, bool storedType = false) {
    if (!value.isValid() && !storedType)
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        return QCoreApplication::translate("HostFolder", "no Directory value");
    if (value.typeId() == QMetaType::QString)
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        return QCoreApplication::translate("HostFolder", "Directory is empty");
    //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
    return QCoreApplication::translate("HostFolder", "Directory is neither text nor a number");
}

#ifdef Q_OS_WIN

const QString HostKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\") + HostSubKey + u'\\';

bool searchSettings(HostFolderSearch& search) {
    const QVariant value = Module2::ReadRegistryValue(HostKey, HostValue);
    //: A place in the list of places looked at for Norvo's folder (start-up details, --where). %1:
    //: the registry key.
    const QString where = QCoreApplication::translate("HostFolder", "registry %1, value Directory")
                              .arg(HostKey.chopped(1));
    search.folder = Module2::registryValueText(value);
    if (search.found()) {
        search.source = where;
        return true;
    }
    search.misses.append(placeLine(where, settingProblem(value)));
    return false;
}

#else

// Why the settings file's value names no folder. Unquoted, Directory=/a,/b is a list of two.
QString settingsFileProblem(const Module2::SettingsValue& read) {
    if (read.value.typeId() == QMetaType::QStringList)
        //: A reason in the list of places looked at for Norvo's folder (start-up details,
        //: --where): the settings file's line Directory=/a,/b is read as a list of two.
        return QCoreApplication::translate("HostFolder",
                                           "a comma makes a list; put the folder in double quotes");
    return settingProblem(read.value, read.file.isEmpty() && !read.storedTypeFiles.isEmpty());
}

// Why `file`, asked before the file that gave the folder, did not decide.
QString skippedFileProblem(const QString& file, const Module2::SettingsValue& read) {
    if (read.storedTypeFiles.contains(file))
        return settingProblem(QVariant(), true);
    const QFileInfo info(file);
    if (!info.isFile())
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        return QCoreApplication::translate("HostFolder", "no such file");
    if (!info.isReadable())
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        return QCoreApplication::translate("HostFolder", "permission denied");
    return settingProblem(QVariant());
}

bool searchSettings(HostFolderSearch& search) {
    const Module2::SettingsValue read = Module2::readSettingsValue(HostOrg, HostApp, HostValue);
    search.folder = Module2::registryValueText(read.value);
    if (search.found()) {
        search.source =
            //: A place in the list of places looked at for Norvo's folder (start-up details,
            //: --where). %1: the settings file's path (or paths, joined).
            QCoreApplication::translate("HostFolder", "settings file %1").arg(read.file);
        // The files asked before the one that decided, for --where.
        for (const QString& file : read.files) {
            if (file == read.file)
                break;
            search.misses.append(placeLine(
                //: A place in the list of places looked at for Norvo's folder (start-up
                //: details, --where). %1: the settings file's path (or paths, joined).
                QCoreApplication::translate("HostFolder", "settings file %1").arg(file),
                skippedFileProblem(file, read)));
        }
        return true;
    }
    const bool anyFile = std::any_of(read.files.begin(), read.files.end(),
                                     [](const QString& f) { return QFileInfo(f).isFile(); });
    //: Joins the settings files looked at, in order: "file1, then file2".
    const QString then = QCoreApplication::translate("HostFolder", ", then ");
    search.misses.append(placeLine(
        //: A place in the list of places looked at for Norvo's folder (start-up details, --where).
        //: %1: the settings file's path (or paths, joined).
        QCoreApplication::translate("HostFolder", "settings file %1").arg(read.files.join(then)),
        anyFile ? settingsFileProblem(read)
                //: A reason in the list of places looked at for Norvo's folder (start-up details,
                //: --where).
                : QCoreApplication::translate("HostFolder", "no such file")));
    return false;
}

// Larger than any registry Wine writes; such a file is not read into memory at start-up.
constexpr qint64 MaxHiveSize = qint64(256) << 20;

QString valueProblem(WineRegistry::Status status) {
    switch (status) {
    case WineRegistry::Status::NoKey:
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        return QCoreApplication::translate("HostFolder", "no such key");
    case WineRegistry::Status::NoValue:
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        return QCoreApplication::translate("HostFolder", "no Directory value");
    case WineRegistry::Status::Malformed:
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        return QCoreApplication::translate("HostFolder",
                                           "the Directory value's line cannot be read");
    case WineRegistry::Status::NotText:
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        return QCoreApplication::translate("HostFolder", "Directory is neither text nor a number");
    case WineRegistry::Status::Unexpanded:
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        return QCoreApplication::translate("HostFolder",
                                           "Directory is an expandable string holding %");
    case WineRegistry::Status::NotARegistry:
    case WineRegistry::Status::Found:
        break;
    }
    return QString();
}

#endif

} // namespace

QString noHostFolderDetails(const HostFolderSearch& search) {
    QStringList lines{
        //: The first line of the start-up message's details; the places follow.
        QCoreApplication::translate("HostFolder", "Varnel looked for the Norvo 7 folder here:")};
    for (const QString& miss : search.misses)
        lines.append(QStringLiteral("  ") + miss);
    lines.append(QString());
#ifdef Q_OS_WIN
    //: The start-up message's details, after the places looked at. %1: the value's name
    //: (Directory); %2: the registry key.
    lines.append(QCoreApplication::translate("HostFolder",
                                             "Install Norvo 7: its installer writes its folder "
                                             "into the registry value %1 of %2.")
                     .arg(HostValue, HostKey.chopped(1)));
#else
    //: The start-up message's details, after the places looked at; a line to copy follows.
    //: %1: the settings file's path.
    lines.append(QCoreApplication::translate("HostFolder",
                                             "Install Norvo 7 in a Wine prefix, or name its "
                                             "folder in the settings file %1 with one line:")
                     .arg(Module2::settingsFiles(HostOrg, HostApp).constFirst()));
    lines.append(QStringLiteral("Directory=\"/path/to/Norvo 7\""));
#endif
    return lines.join(u'\n');
}

QString folderProblem(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir())
        return info.isReadable() && info.isExecutable()
                   ? QString()
                   //: A reason in the list of places looked at for Norvo's folder (start-up
                   //: details, --where).
                   : QCoreApplication::translate("HostFolder", "permission denied");
    if (info.exists())
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        return QCoreApplication::translate("HostFolder", "not a folder");
    // A folder on the way that may not be entered hides whether the rest is there.
    for (QFileInfo up(info.absolutePath());; up = QFileInfo(up.absolutePath())) {
        if (up.exists())
            return up.isDir() && !up.isExecutable()
                       //: A reason in the list of places looked at for Norvo's folder (start-up
                       //: details, --where).
                       ? QCoreApplication::translate("HostFolder", "permission denied")
                       //: A reason in the list of places looked at for Norvo's folder (start-up
                       //: details, --where).
                       : QCoreApplication::translate("HostFolder", "no such folder");
        if (up.isRoot() || up.absolutePath() == up.absoluteFilePath())
            //: A reason in the list of places looked at for Norvo's folder (start-up details,
            //: --where).
            return QCoreApplication::translate("HostFolder", "no such folder");
    }
}

QString hostFolderProblem(const QString& folder) {
    if (folder.startsWith(u'~'))
        return QCoreApplication::translate(
            "HostFolder", "not an absolute path (~ is not expanded: write the whole path)");
    if (QDir::isRelativePath(folder))
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        return QCoreApplication::translate("HostFolder", "not an absolute path");
    return folderProblem(folder);
}

#ifdef Q_OS_WIN

HostFolderSearch findHostFolder() {
    HostFolderSearch search;
    searchSettings(search);
    return search;
}

#else

HostFolderSearch findHostFolder() {
    return findHostFolder(WinePrefix::Environment::current());
}

HostFolderSearch findHostFolder(const WinePrefix::Environment& env) {
    HostFolderSearch search;
    if (searchSettings(search))
        return search;
    for (const WinePrefix::Place& place : WinePrefix::placesToSearch(env)) {
        if (!place.problem.isEmpty())
            search.misses.append(placeLine(place.description, place.problem));
        else if (searchWinePrefix(place, search))
            return search;
    }
    return search;
}

namespace {

// A key's line within a Wine prefix: %1 the prefix, %2 the key's own line.
QString inPlace(const QString& place, const QString& keyLine) {
    //: A line of the places looked at: a registry key inside a Wine prefix. %1: the prefix
    //: ("Wine prefix /home/me/.wine"); %2: the key and why it gave no folder.
    return QCoreApplication::translate("HostFolder", "%1, %2").arg(place, keyLine);
}

} // namespace

bool searchWinePrefix(const WinePrefix::Place& place, HostFolderSearch& search) {
    const auto miss = [&](const QString& why) {
        search.misses.append(placeLine(place.description, why));
        return false;
    };
    if (const QString problem = folderProblem(place.prefix); !problem.isEmpty())
        return miss(problem);
    const QFileInfo hiveInfo(place.prefix + QStringLiteral("/system.reg"));
    if (!hiveInfo.exists())
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        return miss(QCoreApplication::translate("HostFolder", "no system.reg"));
    // Only a plain file: opening a pipe or a device could block start-up.
    if (!hiveInfo.isFile())
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        return miss(QCoreApplication::translate("HostFolder", "system.reg is not a file"));
    if (hiveInfo.size() > MaxHiveSize)
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        //: %1: the file's size.
        return miss(QCoreApplication::translate("HostFolder", "system.reg is too large (%1 bytes)")
                        .arg(hiveInfo.size()));
    QFile file(hiveInfo.filePath());
    if (!file.open(QIODevice::ReadOnly))
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        //: %1: the system's reason.
        return miss(QCoreApplication::translate("HostFolder", "system.reg cannot be read: %1")
                        .arg(file.errorString()));
    // Read into memory rather than mapped: Wine may rewrite the file in place while we read.
    const QByteArray hive = file.readAll();

    const QString keys[] = {QStringLiteral("Software\\Wow6432Node\\") + HostSubKey,
                            QStringLiteral("Software\\") + HostSubKey};
    QStringList keyMisses;
    bool anyKey = false;
    for (const QString& key : keys) {
        const QString keyName = QStringLiteral("HKEY_LOCAL_MACHINE\\") + key;
        const WineRegistry::Value value = WineRegistry::readValue(hive, key, HostValue);
        if (value.status == WineRegistry::Status::NotARegistry)
            //: A reason in the list of places looked at for Norvo's folder (start-up details,
            //: --where).
            return miss(QCoreApplication::translate("HostFolder",
                                                    "system.reg is not a Wine registry file"));
        anyKey = anyKey || value.status != WineRegistry::Status::NoKey;
        if (value.status != WineRegistry::Status::Found) {
            keyMisses.append(placeLine(keyName, valueProblem(value.status)));
            continue;
        }
        const QString windowsPath = Module2::registryValueText(value.data);
        if (windowsPath.isEmpty()) {
            keyMisses.append(placeLine(
                //: A reason in the list of places looked at for Norvo's folder (start-up details,
                //: --where).
                keyName, QCoreApplication::translate("HostFolder", "Directory is empty")));
            continue;
        }
        const WinePrefix::Mapped mapped = WinePrefix::mapWindowsPath(place.prefix, windowsPath);
        if (mapped.folder.isEmpty()) {
            keyMisses.append(QCoreApplication::translate("HostFolder", "%1: Directory \"%2\": %3")
                                 .arg(keyName, windowsPath, mapped.problem));
            continue;
        }
        for (const QString& keyMiss : keyMisses)
            search.misses.append(inPlace(place.description, keyMiss));
        search.folder = mapped.folder;
        search.windowsFolder = windowsPath;
        //: --where's source of the folder. %1: the Wine prefix; %2: the registry key; %3: the
        //: value's Windows path.
        search.source = QCoreApplication::translate("HostFolder", "%1: %2, value Directory \"%3\"")
                            .arg(place.description, keyName, windowsPath);
        return true;
    }
    if (!anyKey)
        return miss(QCoreApplication::translate(
                        "HostFolder", "no key HKEY_LOCAL_MACHINE\\%1 nor HKEY_LOCAL_MACHINE\\%2")
                        .arg(keys[0], keys[1]));
    for (const QString& keyMiss : keyMisses)
        search.misses.append(inPlace(place.description, keyMiss));
    return false;
}

#endif
