#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Wine prefixes: where they are, and where a Windows path of a prefix lies on this system.
namespace WinePrefix {

// What the search for prefixes depends on; current() reads it from this process.
struct Environment {
    QString home;       // the user's home folder
    QString winePrefix; // $WINEPREFIX, empty when not set
    QString dataHome;   // $XDG_DATA_HOME, or ~/.local/share
    static Environment current();
};

// A prefix to look in, with a name for it that tells the user where it came from; or a
// place that names no prefix, with the reason.
struct Place {
    QString prefix;      // empty when problem is set
    QString description; // "Wine prefix /home/me/.wine", "Bottles prefixes in ...", ...
    QString problem;     // "WINEPREFIX not set", "no such folder", ...
};

// The places in the order they are searched: $WINEPREFIX, ~/.wine, then each front-end's
// prefixes (Bottles, Bottles as a Flatpak, PlayOnLinux, CrossOver), those of one front-end
// sorted by folder name byte by byte. A prefix reached twice is listed once.
QList<Place> placesToSearch(const Environment& env);

// Where the Windows path lies in the prefix, the way Wine maps it: drive X: is the link
// dosdevices/x: (followed, to a folder), and each further name is matched exactly first,
// then without regard to letter case in its folder. Only an existing folder is a result.
struct Mapped {
    QString folder;  // empty when the path cannot be used
    QString problem; // why, when folder is empty
};
Mapped mapWindowsPath(const QString& prefix, const QString& windowsPath);

} // namespace WinePrefix
