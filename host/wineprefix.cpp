#include "host/wineprefix.h"

#include "host/hostfoldersearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace WinePrefix {

namespace {

// Folder names in byte order of their names on disk, so that the order does not depend on
// the locale.
QStringList sortedByBytes(QStringList names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QFile::encodeName(a) < QFile::encodeName(b);
    });
    return names;
}

QStringList entries(const QString& folder, QDir::Filters filters) {
    return QDir(folder).entryList(filters | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::NoSort);
}

struct FrontEnd {
    QString name;   // "Bottles"
    QString folder; // the folder holding one prefix per subfolder
};

} // namespace

Environment Environment::current() {
    Environment env;
    env.home = QDir::homePath();
    env.winePrefix = qEnvironmentVariable("WINEPREFIX");
    env.dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is invalid and ignored.
    if (env.dataHome.isEmpty() || QDir::isRelativePath(env.dataHome))
        env.dataHome = env.home + QStringLiteral("/.local/share");
    return env;
}

QList<Place> placesToSearch(const Environment& env) {
    QList<Place> places;
    QSet<QString> seen;
    const auto add = [&](const QString& prefix, const QString& description) {
        const QString canonical = QFileInfo(prefix).canonicalFilePath();
        const QString key = canonical.isEmpty() ? QDir::cleanPath(prefix) : canonical;
        if (seen.contains(key))
            return;
        seen.insert(key);
        places.append({prefix, description, QString()});
    };
    const auto miss = [&](const QString& description, const QString& problem) {
        places.append({QString(), description, problem});
    };

    if (env.winePrefix.isEmpty())
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        //: Said of WINEPREFIX.
        miss(QStringLiteral("WINEPREFIX"), QCoreApplication::translate("HostFolder", "not set"));
    else if (QDir::isRelativePath(env.winePrefix))
        // Wine refuses such a prefix.
        //: A place in the list of places looked at for Norvo's folder (start-up details, --where).
        //: %1: the variable's value.
        miss(QCoreApplication::translate("HostFolder", "WINEPREFIX %1").arg(env.winePrefix),
             //: A reason in the list of places looked at for Norvo's folder (start-up details,
             //: --where).
             QCoreApplication::translate("HostFolder", "not an absolute path"));
    else
        //: A place in the list of places looked at for Norvo's folder (start-up details, --where).
        //: %1: the prefix's folder.
        add(env.winePrefix, QCoreApplication::translate("HostFolder", "Wine prefix %1 (WINEPREFIX)")
                                .arg(env.winePrefix));

    const QString defaultPrefix = env.home + QStringLiteral("/.wine");
    add(defaultPrefix,
        //: A place in the list of places looked at for Norvo's folder (start-up details, --where).
        //: %1: the prefix's folder.
        QCoreApplication::translate("HostFolder", "Wine prefix %1").arg(defaultPrefix));

    const FrontEnd frontEnds[] = {
        {QStringLiteral("Bottles"), env.dataHome + QStringLiteral("/bottles/bottles")},
        {QStringLiteral("Bottles (Flatpak)"),
         env.home + QStringLiteral("/.var/app/com.usebottles.bottles/data/bottles/bottles")},
        {QStringLiteral("PlayOnLinux"), env.home + QStringLiteral("/.PlayOnLinux/wineprefix")},
        {QStringLiteral("CrossOver"), env.home + QStringLiteral("/.cxoffice")},
    };
    for (const FrontEnd& frontEnd : frontEnds) {
        //: A place in the list of places looked at for Norvo's folder (start-up details, --where).
        //: %1: a Wine front end (Bottles, PlayOnLinux, ...); %2: its folder.
        const QString description = QCoreApplication::translate("HostFolder", "%1 prefixes in %2")
                                        .arg(frontEnd.name, frontEnd.folder);
        if (const QString problem = folderProblem(frontEnd.folder); !problem.isEmpty()) {
            miss(description, problem);
            continue;
        }
        const QStringList names = sortedByBytes(entries(frontEnd.folder, QDir::Dirs));
        if (names.isEmpty())
            //: A reason in the list of places looked at for Norvo's folder (start-up details,
            //: --where). Said of a front end's prefixes.
            miss(description, QCoreApplication::translate("HostFolder", "none"));
        for (const QString& name : names) {
            const QString prefix = frontEnd.folder + u'/' + name;
            //: A place in the list of places looked at for Norvo's folder (start-up details,
            //: --where). %1: a Wine front end (Bottles, ...); %2: the prefix's folder.
            add(prefix, QCoreApplication::translate("HostFolder", "%1 prefix %2")
                            .arg(frontEnd.name, prefix));
        }
    }
    return places;
}

Mapped mapWindowsPath(const QString& prefix, const QString& windowsPath) {
    const auto fail = [](const QString& why) {
        return Mapped{QString(), why};
    };
    // Only "X:\..." names a place on a drive; UNC paths ("\\server\share"), device paths
    // ("\\?\C:\") and relative paths ("C:folder", "folder") do not.
    const bool drivePath = windowsPath.size() >= 3 && windowsPath[0].isLetter() &&
                           windowsPath[0].unicode() < 128 && windowsPath[1] == u':' &&
                           (windowsPath[2] == u'\\' || windowsPath[2] == u'/');
    if (!drivePath)
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        //: Said of the registry value's Windows path.
        return fail(QCoreApplication::translate("HostFolder", "not an absolute path on a drive"));

    // As Windows does before any lookup: "." names are dropped and ".." goes up, never
    // above the drive's root.
    QStringList names;
    for (const QString& name : windowsPath.mid(3).split(
             QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts)) {
        if (name == u'.')
            continue;
        if (name == QLatin1String("..")) {
            if (!names.isEmpty())
                names.removeLast();
            continue;
        }
        names.append(name);
    }

    const QString letter = windowsPath.left(1).toLower();
    const QString device = prefix + QStringLiteral("/dosdevices/") + letter + u':';
    const QFileInfo deviceInfo(device);
    const QString drive = windowsPath.left(2).toUpper();
    if (!deviceInfo.exists()) {
        if (deviceInfo.isSymLink())
            //: A reason in the list of places looked at for Norvo's folder (start-up details,
            //: --where). %1: the drive (C:); %2: where its link points.
            return fail(QCoreApplication::translate("HostFolder",
                                                    "drive %1 links to %2, which does not exist")
                            .arg(drive, deviceInfo.symLinkTarget()));
        return fail(
            //: A reason in the list of places looked at for Norvo's folder (start-up details,
            //: --where). %1: the drive (C:); %2: the link the prefix lacks.
            QCoreApplication::translate("HostFolder", "no drive %1 (no %2)").arg(drive, device));
    }
    if (!deviceInfo.isDir())
        //: A reason in the list of places looked at for Norvo's folder (start-up details, --where).
        //: %1: the drive (C:); %2: its link.
        return fail(QCoreApplication::translate("HostFolder", "drive %1 (%2) is not a folder")
                        .arg(drive, device));

    QString folder = deviceInfo.canonicalFilePath();
    for (const QString& name : names) {
        QString next = folder + u'/' + name;
        const QFileInfo exact(next);
        if (!exact.exists() && !exact.isSymLink()) {
            QStringList matches;
            for (const QString& entry : entries(folder, QDir::AllEntries))
                if (entry.compare(name, Qt::CaseInsensitive) == 0)
                    matches.append(entry);
            if (matches.isEmpty())
                //: A reason in the list of places looked at for Norvo's folder (start-up details,
                //: --where). %1: a folder's name; %2: the folder it is missing from.
                return fail(QCoreApplication::translate("HostFolder", "no folder \"%1\" in %2")
                                .arg(name, folder));
            // Two names that differ only in case: the first in byte order, so that the
            // choice does not depend on the order the folder lists them in.
            next = folder + u'/' + sortedByBytes(matches).constFirst();
        }
        if (!QFileInfo(next).isDir())
            //: A reason in the list of places looked at for Norvo's folder (start-up details,
            //: --where). %1: the path.
            return fail(QCoreApplication::translate("HostFolder", "%1 is not a folder").arg(next));
        folder = next;
    }
    return {folder, QString()};
}

} // namespace WinePrefix
