#pragma once

#include <QString>
#include <QStringList>

#ifndef Q_OS_WIN
#include "host/wineprefix.h"
#endif

// The search for the host folder, with what it found and where it looked.
struct HostFolderSearch {
    QString folder;        // empty when nothing gave a folder
    QString source;        // where the folder came from, for the user
    QStringList misses;    // each place that gave no folder: "place: why", in search order
    QString windowsFolder; // the folder's path as the host sees it, when a Wine prefix gave it

    bool found() const { return !folder.isEmpty(); }
};

// What the user is told when no place gives a host folder.
//: The message when no host folder was found: at start-up, and from --export and --where.
inline const char* const NoHostFolderMessage =
    QT_TRANSLATE_NOOP("Messages", "Please install a valid copy of Norvo 7.");

// The details behind NoHostFolderMessage in the window: each place looked at and why it gave
// no folder (as varnel --where prints them), then how to name the folder.
QString noHostFolderDetails(const HostFolderSearch& search);

// Why `path` is no folder this user can use: "no such folder", "not a folder" or
// "permission denied" (also when a folder on the way may not be entered); "" when it is one.
QString folderProblem(const QString& path);

// Why a host folder taken as written (from the setting) cannot hold the skins: not an
// absolute path (a leading ~ is not expanded) or a folderProblem; "" when it can.
QString hostFolderProblem(const QString& folder);

// Windows: the registry value Directory of HKEY_LOCAL_MACHINE\Software\Pellorwick\NORVO7.
// Elsewhere, the first of these that gives a folder:
//   1. the host-folder settings file (an explicit choice always wins);
//   2. the Wine prefix named by WINEPREFIX;
//   3. the default Wine prefix ~/.wine;
//   4. the prefixes of the Wine front-ends (WinePrefix::placesToSearch).
// In a prefix, system.reg is read: the key Software\Wow6432Node\Pellorwick\NORVO7 (where a
// 32-bit installer's key lands in a 64-bit prefix), then Software\Pellorwick\NORVO7, value
// Directory; the Windows path found there is mapped into the prefix and must be a folder.
HostFolderSearch findHostFolder();
#ifndef Q_OS_WIN
HostFolderSearch findHostFolder(const WinePrefix::Environment& env);

// The search in one prefix (steps 2 to 4 do this for each prefix); adds to `search`.
bool searchWinePrefix(const WinePrefix::Place& place, HostFolderSearch& search);
#endif
