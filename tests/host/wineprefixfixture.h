#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// Wine prefixes made in code for the host-folder tests: a system.reg and drive links, the
// way wineboot lays them out.
namespace WinePrefixFixture {

// A registry key or value text as system.reg writes it: backslashes and quotes escaped,
// other characters as UTF-8.
inline QByteArray escaped(const QString& text) {
    QByteArray out;
    for (const char c : text.toUtf8()) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out;
}

// A saved HKEY_LOCAL_MACHINE holding one key with one value line ("Directory"="...").
inline QByteArray hive(const QString& key, const QString& directory) {
    return "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
           "[Software\\\\Classes\\\\.txt] 1796907049\n#time=1dd88a514d26e7a\n@=\"txtfile\"\n\n[" +
           escaped(key) + "] 1796907049\n#time=1dd88a514d26e7a\n\"Directory\"=\"" +
           escaped(directory) + "\"\n";
}

inline QByteArray wowHive(const QString& directory) {
    return hive(QStringLiteral("Software\\Wow6432Node\\Pellorwick\\NORVO7"), directory);
}

// Makes `prefix` with system.reg (when not null), dosdevices/c: linked to ../drive_c, and
// each folder of `folders` below drive_c ("Program Files/Norvo 7").
inline bool makePrefix(const QString& prefix, const QByteArray& systemReg,
                       const QStringList& folders = {}) {
    QDir dir;
    if (!dir.mkpath(prefix + "/dosdevices") || !dir.mkpath(prefix + "/drive_c"))
        return false;
    if (!QFile::exists(prefix + "/dosdevices/c:") &&
        !QFile::link("../drive_c", prefix + "/dosdevices/c:"))
        return false;
    for (const QString& folder : folders)
        if (!dir.mkpath(prefix + "/drive_c/" + folder))
            return false;
    if (systemReg.isNull())
        return true;
    QFile file(prefix + "/system.reg");
    return file.open(QIODevice::WriteOnly) && file.write(systemReg) == systemReg.size();
}

} // namespace WinePrefixFixture
