#pragma once

#include "compose/skinworkspace.h"

#include <QString>
#include <QStringList>

#include <array>
#include <stdexcept>

// A save that did not happen; what() is the sentence shown to the user.
class ExportError : public std::runtime_error {
public:
    explicit ExportError(const QString& message);
    QString message() const { return QString::fromStdString(what()); }
};

// The platform's folder separator; a host folder that already ends in one keeps it, and
// the join doubles it.
QString folderSeparator();

struct SkinPaths {
    QString skinsFolder;
    std::array<QString, 4> bitmaps; // indexed by SurfaceId
    QString description;

    const QString& bitmap(SurfaceId id) const { return bitmaps[std::size_t(id)]; }
    // In the order they are written: the bitmaps in SurfaceWriteOrder, then the description.
    QStringList all() const;
};

// Joined as plain strings, nothing added or removed.
SkinPaths skinPaths(const QString& hostFolder, const QString& name);

// The program's folder + separator + "DefaultSkin.txt".
QString descriptionTemplatePath(const QString& programFolder);

// A save checked and ready to be written: the skin's name, the five paths (in the Skins
// folder as found, ignoring letter case) and the description's bytes.
struct PreparedSkin {
    QString name;
    SkinPaths paths;
    QByteArray description;
};

// How long a save waits for another save of the same name; a killed save holds no lock.
inline constexpr int SaveLockWaitMs = 60000;

// The first step of exportSkin: every check that needs no lock (the name, the surfaces, the
// template, the Skins folder). Writes nothing; throws ExportError.
PreparedSkin prepareSkin(const SurfacePictures& surfaces, const QString& hostFolder,
                         const QString& name, const QString& programFolder,
                         const QString& windowsHostFolder = QString());

// The lock that keeps two saves of one skin apart: its name ignores letter case, as the
// host does.
QString saveLockPath(const PreparedSkin& skin);

// The message when another save of the skin held the lock for as long as a save waits.
QString saveBusyMessage(const QString& name);

// The files of the skin already in the Skins folder, under any spelling of its name: the
// ones a save would replace.
QStringList existingSkinFiles(const PreparedSkin& skin);

// The second step of exportSkin, with the lock held (or not to be had: a folder that cannot
// be written to, where the writes say why). Returns the five paths written.
QStringList writePreparedSkin(const PreparedSkin& skin, const SurfacePictures& surfaces);

// Save Skin: writes the four finished surfaces and the description into the host's skins folder.
// All five files are written to temporaries first and replace the earlier ones only
// after every one was written; on any failure nothing is replaced and ExportError says
// which path and why. Returns the five paths written.
// `windowsHostFolder`: the host folder's path as the host sees it, where known (a Wine
// prefix's registry value); on Windows the host folder itself is. A name for which the
// host could not open a file there is refused.
QStringList exportSkin(const SurfacePictures& surfaces, const QString& hostFolder,
                       const QString& name, const QString& programFolder,
                       const QString& windowsHostFolder = QString());

// The snapshot button: the untinted Console and Chat templates to two fixed files, each
// replaced whole or not at all. Throws ExportError; the second is not tried after the
// first fails.
void writeTemplateSnapshot(const SkinWorkspace& ws);

// The snapshot's two files, in the order they are written.
QStringList templateSnapshotPaths();

//: Save Skin's and --export's message when the skin was saved.
inline const char* const SkinExportedMessage =
    QT_TRANSLATE_NOOP("Messages", "Your skin has been exported to Norvo.");
