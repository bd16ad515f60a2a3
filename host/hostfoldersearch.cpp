#include "host/hostfoldersearch.h"

#include "host/registryvalue.h"

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

// Why a value read as the host-folder setting gives no folder.
QString settingProblem(const QVariant& value) {
    if (!value.isValid())
        return QStringLiteral("no Directory value");
    if (value.typeId() == QMetaType::QString)
        return QStringLiteral("Directory is empty");
    return QStringLiteral("Directory is neither text nor a number");
}

#ifdef Q_OS_WIN

const QString HostKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\") + HostSubKey + u'\\';

bool searchSettings(HostFolderSearch& search) {
    const QVariant value = Module2::ReadRegistryValue(HostKey, HostValue);
    const QString where = QStringLiteral("registry %1, value Directory").arg(HostKey.chopped(1));
    search.folder = Module2::registryValueText(value);
    if (search.found()) {
        search.source = where;
        return true;
    }
    search.misses.append(where + QStringLiteral(": ") + settingProblem(value));
    return false;
}

#else

bool searchSettings(HostFolderSearch& search) {
    const Module2::SettingsValue read = Module2::readSettingsValue(HostOrg, HostApp, HostValue);
    search.folder = Module2::registryValueText(read.value);
    if (search.found()) {
        search.source = QStringLiteral("settings file %1").arg(read.file);
        return true;
    }
    const bool anyFile = std::any_of(read.files.begin(), read.files.end(),
                                     [](const QString& f) { return QFileInfo(f).isFile(); });
    search.misses.append(
        QStringLiteral("settings file %1: %2")
            .arg(read.files.join(QStringLiteral(", then ")),
                 anyFile ? settingProblem(read.value) : QStringLiteral("no such file")));
    return false;
}

// Larger than any registry Wine writes; such a file is not read into memory at start-up.
constexpr qint64 MaxHiveSize = qint64(256) << 20;

QString valueProblem(WineRegistry::Status status) {
    switch (status) {
    case WineRegistry::Status::NoKey:
        return QStringLiteral("no such key");
    case WineRegistry::Status::NoValue:
        return QStringLiteral("no Directory value");
    case WineRegistry::Status::Malformed:
        return QStringLiteral("the Directory value's line cannot be read");
    case WineRegistry::Status::NotText:
        return QStringLiteral("Directory is neither text nor a number");
    case WineRegistry::Status::Unexpanded:
        return QStringLiteral("Directory is an expandable string holding %");
    case WineRegistry::Status::NotARegistry:
    case WineRegistry::Status::Found:
        break;
    }
    return QString();
}

#endif

} // namespace

QString noHostFolderDetails(const HostFolderSearch& search) {
    QStringList lines{QStringLiteral("Varnel looked for the Norvo 7 folder here:")};
    for (const QString& miss : search.misses)
        lines.append(QStringLiteral("  ") + miss);
    lines.append(QString());
#ifdef Q_OS_WIN
    lines.append(QStringLiteral("Install Norvo 7: its installer writes its folder into the "
                                "registry value %1 of %2.")
                     .arg(HostValue, HostKey.chopped(1)));
#else
    lines.append(
        QStringLiteral("Install Norvo 7 in a Wine prefix, or name its folder in the settings "
                       "file %1 with one line:")
            .arg(Module2::settingsFiles(HostOrg, HostApp).constFirst()));
    lines.append(QStringLiteral("Directory=\"/path/to/Norvo 7\""));
#endif
    return lines.join(u'\n');
}

QString folderProblem(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir())
        return info.isReadable() && info.isExecutable() ? QString()
                                                        : QStringLiteral("permission denied");
    if (info.exists())
        return QStringLiteral("not a folder");
    // A folder on the way that may not be entered hides whether the rest is there.
    for (QFileInfo up(info.absolutePath());; up = QFileInfo(up.absolutePath())) {
        if (up.exists())
            return up.isDir() && !up.isExecutable() ? QStringLiteral("permission denied")
                                                    : QStringLiteral("no such folder");
        if (up.isRoot() || up.absolutePath() == up.absoluteFilePath())
            return QStringLiteral("no such folder");
    }
}

QString hostFolderProblem(const QString& folder) {
    if (folder.startsWith(u'~'))
        return QStringLiteral("not an absolute path (~ is not expanded: write the whole path)");
    if (QDir::isRelativePath(folder))
        return QStringLiteral("not an absolute path");
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
            search.misses.append(place.description + QStringLiteral(": ") + place.problem);
        else if (searchWinePrefix(place, search))
            return search;
    }
    return search;
}

bool searchWinePrefix(const WinePrefix::Place& place, HostFolderSearch& search) {
    const auto miss = [&](const QString& why) {
        search.misses.append(place.description + QStringLiteral(": ") + why);
        return false;
    };
    if (const QString problem = folderProblem(place.prefix); !problem.isEmpty())
        return miss(problem);
    const QFileInfo hiveInfo(place.prefix + QStringLiteral("/system.reg"));
    if (!hiveInfo.exists())
        return miss(QStringLiteral("no system.reg"));
    // Only a plain file: opening a pipe or a device could block start-up.
    if (!hiveInfo.isFile())
        return miss(QStringLiteral("system.reg is not a file"));
    if (hiveInfo.size() > MaxHiveSize)
        return miss(QStringLiteral("system.reg is too large (%1 bytes)").arg(hiveInfo.size()));
    QFile file(hiveInfo.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return miss(QStringLiteral("system.reg cannot be read: %1").arg(file.errorString()));
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
            return miss(QStringLiteral("system.reg is not a Wine registry file"));
        anyKey = anyKey || value.status != WineRegistry::Status::NoKey;
        if (value.status != WineRegistry::Status::Found) {
            keyMisses.append(keyName + QStringLiteral(": ") + valueProblem(value.status));
            continue;
        }
        const QString windowsPath = Module2::registryValueText(value.data);
        if (windowsPath.isEmpty()) {
            keyMisses.append(keyName + QStringLiteral(": Directory is empty"));
            continue;
        }
        const WinePrefix::Mapped mapped = WinePrefix::mapWindowsPath(place.prefix, windowsPath);
        if (mapped.folder.isEmpty()) {
            keyMisses.append(QStringLiteral("%1: Directory \"%2\": %3")
                                 .arg(keyName, windowsPath, mapped.problem));
            continue;
        }
        for (const QString& keyMiss : keyMisses)
            search.misses.append(place.description + QStringLiteral(", ") + keyMiss);
        search.folder = mapped.folder;
        search.windowsFolder = windowsPath;
        search.source = QStringLiteral("%1: %2, value Directory \"%3\"")
                            .arg(place.description, keyName, windowsPath);
        return true;
    }
    if (!anyKey)
        return miss(QStringLiteral("no key HKEY_LOCAL_MACHINE\\%1 nor HKEY_LOCAL_MACHINE\\%2")
                        .arg(keys[0], keys[1]));
    for (const QString& keyMiss : keyMisses)
        search.misses.append(place.description + QStringLiteral(", ") + keyMiss);
    return false;
}

#endif
