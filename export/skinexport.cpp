#include "export/skinexport.h"

#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "compose/wholewrite.h"
#include "export/codepage.h"
#include "export/filereplace.h"
#include "export/filesync.h"
#include "export/skindescription.h"
#include "export/skinname.h"
#include "export/stagedfile.h"
#include "export/stagemarks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <memory>
#include <vector>

ExportError::ExportError(const QString& message)
    : std::runtime_error(message.toStdString()) {}

QString folderSeparator() {
#ifdef Q_OS_WIN
    return QStringLiteral("\\");
#else
    return QStringLiteral("/");
#endif
}

namespace {

SkinPaths skinPathsIn(const QString& skinsFolder, const QString& name) {
    SkinPaths p;
    p.skinsFolder = skinsFolder;
    for (const SurfaceFacts& s : SkinSurfaceTable)
        p.bitmaps[std::size_t(s.id)] = p.skinsFolder + name + s.word + ".bmp";
    p.description = p.skinsFolder + name + ".skn";
    return p;
}

} // namespace

SkinPaths skinPaths(const QString& hostFolder, const QString& name) {
    return skinPathsIn(hostFolder + folderSeparator() + "Skins" + folderSeparator(), name);
}

QStringList SkinPaths::all() const {
    QStringList paths;
    for (SurfaceId id : SurfaceWriteOrder)
        paths.append(bitmap(id));
    paths.append(description);
    return paths;
}

QString descriptionTemplatePath(const QString& programFolder) {
    return programFolder + folderSeparator() + "DefaultSkin.txt";
}

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// For texts marked with QT_TRANSLATE_NOOP("SkinExport", ...).
QString translated(const char* sourceText, int n = -1) {
    return QCoreApplication::translate("SkinExport", sourceText, nullptr, n);
}

QByteArray readTemplate(const QString& path) {
    if (QFileInfo(path).isDir())
        //: Save Skin's or --export's message. %1: the template file's path.
        throw ExportError(QCoreApplication::translate("SkinExport",
                                                      "The skin could not be saved: the "
                                                      "description template %1 is a folder, "
                                                      "not a file.")
                              .arg(native(path)));
    QFile file(path);
    QByteArray text;
    if (file.open(QIODevice::ReadOnly))
        text = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        //: Save Skin's or --export's message. %1: the template file's path; %2: the
        //: system's reason.
        throw ExportError(QCoreApplication::translate("SkinExport",
                                                      "The skin could not be saved: the "
                                                      "description template %1 cannot be read "
                                                      "(%2).")
                              .arg(native(path), file.errorString()));
    return text;
}

// Writes a set of files so that either all of them are replaced or none is: each is staged
// beside its target; the earlier files are kept aside under a second name until every new
// one is in, and put back when one cannot be.
class StagedFiles {
public:
    StagedFiles() = default;
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;
    ~StagedFiles() { putBack(); }

    void add(const QString& path, const QByteArray& bytes) {
        auto file = std::make_unique<StagedFile>(path);
        if (!file->open() || !writeWhole(file->file(), bytes))
            fail(path, file->errorString());
        // On its way to the disk while the next one is encoded.
        startWritingData(file->file());
        m_files.push_back(std::move(file));
        m_targets.push_back({m_files.back()->targetName()});
    }

    // A file that goes when the others come in (another spelling of one of them), and is
    // put back with them.
    void addRemoval(const QString& path) { m_removals.push_back({path}); }

    // Every file is on the disk before the first one replaces anything, and the renames are
    // on it before the save is reported: one sync for all the data, one for the folder, not
    // one wait on the disk per file.
    void commitAll(const QString& folder) {
        std::vector<QFileDevice*> open;
        for (const std::unique_ptr<StagedFile>& file : m_files)
            open.push_back(&file->file());
        if (const auto failure = syncFilesData(open))
            fail(m_files[failure->file]->fileName(), failure->reason);
        stageMark("synced");

        // Whatever could refuse a replacement is asked before the first one.
        std::vector<Target*> all;
        for (Target& target : m_targets)
            all.push_back(&target);
        for (Target& removal : m_removals)
            all.push_back(&removal);
        for (Target* target : all)
            if (const QString reason = replaceProblem(target->path); !reason.isEmpty())
                fail(target->path, reason);
        for (Target* target : all) {
            if (!QFileInfo::exists(target->path))
                continue;
            // The earlier file's second name while the new one takes its place.
            const QString aside = besideName(target->path, BesideKind::Aside);
            if (const QString reason = keepAside(target->path, aside); !reason.isEmpty())
                fail(target->path, reason);
            target->aside = aside;
        }

        for (std::size_t i = 0; i < m_files.size(); ++i) {
            if (!m_files[i]->commit())
                fail(m_files[i]->fileName(), m_files[i]->errorString());
            m_targets[i].replaced = true;
        }
        for (Target& removal : m_removals) {
            QFile file(removal.path);
            if (!file.remove())
                fail(removal.path, file.errorString());
            removal.replaced = true;
        }
        const std::size_t replaced = m_files.size();
        forgetEarlier();
        if (const QString reason = syncFolder(folder); !reason.isEmpty())
            fail(folder, reason, replaced);
        stageMark("committed");
    }

private:
    struct Target {
        QString path;       // with its links followed
        QString aside = {}; // the earlier file's second name, while it is kept
        bool replaced = false;
    };

    // The new files are in: the earlier ones are let go.
    void forgetEarlier() {
        for (Target& target : m_targets)
            if (!target.aside.isEmpty())
                QFile::remove(target.aside);
        for (Target& removal : m_removals)
            if (!removal.aside.isEmpty())
                QFile::remove(removal.aside);
        m_targets.clear();
        m_removals.clear();
        m_files.clear();
    }

    // Puts back every earlier file already replaced and drops the staged ones. Returns how
    // many replaced files could not be put back.
    std::size_t putBack() {
        std::size_t notRestored = 0;
        for (std::vector<Target>* targets : {&m_targets, &m_removals}) {
            for (Target& target : *targets) {
                if (target.replaced) {
                    const bool restored = target.aside.isEmpty()
                                              ? QFile::remove(target.path)
                                              : replaceFile(target.aside, target.path).isEmpty();
                    if (restored)
                        target.aside.clear();
                    else
                        ++notRestored;
                }
                if (!target.aside.isEmpty())
                    QFile::remove(target.aside);
            }
        }
        m_targets.clear();
        m_removals.clear();
        m_files.clear(); // a staged file drops its temporary when destroyed uncommitted
        return notRestored;
    }

    // `replaced`: how many files stay replaced (the earlier ones already let go); else the
    // ones replaced are put back first. The path is copied first: it may belong to a file
    // dropped here.
    [[noreturn]] void fail(const QString& path, const QString& reason, std::size_t replaced = 0) {
        const QString where = native(path);
        if (replaced == 0)
            replaced = putBack();
        //: Save Skin's or --export's message when nothing changed. %1: the file's path;
        //: %2: the system's reason.
        const char* const noneChanged = QT_TRANSLATE_NOOP(
            "SkinExport", "The skin could not be saved: %1 could not be written (%2). No file "
                          "was changed.");
        //: Save Skin's or --export's message when some files were already replaced. %1: the
        //: file's path; %2: the system's reason; %n: how many files were replaced (1 to 4).
        const char* const someReplaced = QT_TRANSLATE_N_NOOP(
            "SkinExport", "The skin could not be saved: %1 could not be written (%2). The %n "
                          "files before it were already replaced; save the skin again.");
        throw ExportError(
            (replaced == 0 ? translated(noneChanged) : translated(someReplaced, int(replaced)))
                .arg(where, reason));
    }

    std::vector<std::unique_ptr<StagedFile>> m_files;
    std::vector<Target> m_targets;  // one for each file, in the same order
    std::vector<Target> m_removals; // files that go
};

// The host's file system ignores letter case: "skins" is its Skins folder too.
QString skinsFolderIgnoringCase(const QString& hostFolder) {
    const QStringList folders =
        QDir(hostFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QString& folder : folders)
        if (folder.compare(QStringLiteral("Skins"), Qt::CaseInsensitive) == 0)
            return hostFolder + folderSeparator() + folder + folderSeparator();
    return QString();
}

// Files of the same skin under another spelling ("QuadMain.bmp" when saving "quad"): the
// host cannot tell the two apart, so the save replaces them too. Where the file system
// itself ignores case they are the same files and nothing is listed.
QStringList otherSpellings(const SkinPaths& paths) {
    QStringList others;
    const QDir folder(paths.skinsFolder);
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& path : paths.all()) {
        const QString name = QFileInfo(path).fileName();
        if (QFileInfo::exists(path) && !entries.contains(name))
            continue; // the file system found it under another spelling: the same file
        for (const QString& entry : entries)
            if (entry != name && entry.compare(name, Qt::CaseInsensitive) == 0)
                others.append(paths.skinsFolder + entry);
    }
    return others;
}

// Temporaries and kept-aside files that a killed save of this skin left behind: only names
// Varnel itself gives, never a user's own file beside the skin.
void removeLeftovers(const SkinPaths& paths) {
    QStringList names;
    for (const QString& path : paths.all())
        names.append(QFileInfo(path).fileName());
    const QRegularExpression leftover(besideNamePattern(names));
    QDir folder(paths.skinsFolder);
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        if (leftover.match(entry).hasMatch())
            folder.remove(entry);
}

} // namespace

PreparedSkin prepareSkin(const SurfacePictures& surfaces, const QString& hostFolder,
                         const QString& name, const QString& programFolder,
                         const QString& windowsHostFolder) {
    if (const QString problem = skinNameProblem(name); !problem.isEmpty())
        throw ExportError(problem);
#ifdef Q_OS_WIN
    Q_UNUSED(windowsHostFolder);
    const QString windowsFolder = QDir::isAbsolutePath(hostFolder)
                                      ? hostFolder
                                      : native(QFileInfo(hostFolder).absoluteFilePath());
#else
    const QString& windowsFolder = windowsHostFolder;
#endif
    if (const QString problem = skinPathProblem(windowsFolder, name); !problem.isEmpty())
        throw ExportError(problem);
    if (std::any_of(surfaces.pictures.begin(), surfaces.pictures.end(),
                    [](const QImage& picture) { return picture.isNull(); }))
        //: Save Skin's message before any picture was loaded.
        throw ExportError(QCoreApplication::translate(
            "SkinExport", "There is no skin to save yet. Load an image first."));

    SkinPaths paths = skinPaths(hostFolder, name);
    if (!QFileInfo(paths.skinsFolder).isDir())
        if (const QString folder = skinsFolderIgnoringCase(hostFolder); !folder.isEmpty())
            paths = skinPathsIn(folder, name);
    const QByteArray description = buildSkinDescription(
        *encodeForHost(name), readTemplate(descriptionTemplatePath(programFolder)));

    if (!QFileInfo(paths.skinsFolder).isDir()) {
        const bool isFile = QFileInfo(paths.skinsFolder.chopped(1)).isFile();
        //: Save Skin's or --export's message. %1: the Skins folder's path.
        const char* const isAFile = QT_TRANSLATE_NOOP(
            "SkinExport",
            "The skin could not be saved: the Skins folder %1 is a file, not a folder.");
        //: Save Skin's or --export's message. %1: the Skins folder's path.
        const char* const missing = QT_TRANSLATE_NOOP(
            "SkinExport", "The skin could not be saved: the Skins folder %1 does not exist.");
        throw ExportError(translated(isFile ? isAFile : missing).arg(native(paths.skinsFolder)));
    }
    return PreparedSkin{name, paths, description};
}

QString saveLockPath(const PreparedSkin& skin) {
    // One name no user gives a file: the lock is removed when it is let go.
    return skin.paths.skinsFolder + skin.name.toLower() + QStringLiteral(".skn.varnel-lock");
}

QString saveBusyMessage(const QString& name) {
    //: Save Skin's or --export's message. %1: the skin's name.
    return QCoreApplication::translate("SkinExport",
                                       "The skin could not be saved: another save of the skin "
                                       "\"%1\" is still running. Try again when it has ended.")
        .arg(name);
}

QStringList existingSkinFiles(const PreparedSkin& skin) {
    QStringList existing;
    for (const QString& path : skin.paths.all())
        if (QFileInfo::exists(path))
            existing.append(path);
    return existing + otherSpellings(skin.paths);
}

QStringList writePreparedSkin(const PreparedSkin& skin, const SurfacePictures& surfaces) {
    const SkinPaths& paths = skin.paths;
    removeLeftovers(paths);

    StagedFiles files;
    for (SurfaceId id : SurfaceWriteOrder)
        files.add(paths.bitmap(id), Imaging::encodeBmp24(surfaces[id]));
    files.add(paths.description, skin.description);
    for (const QString& other : otherSpellings(paths))
        files.addRemoval(other);
    stageMark("encoded and written");
    files.commitAll(paths.skinsFolder);
    return paths.all();
}

QStringList exportSkin(const SurfacePictures& surfaces, const QString& hostFolder,
                       const QString& name, const QString& programFolder,
                       const QString& windowsHostFolder) {
    const PreparedSkin skin =
        prepareSkin(surfaces, hostFolder, name, programFolder, windowsHostFolder);
    // Two saves of one name at once would mix their files; the second waits for the first.
    SaveLock lock(saveLockPath(skin));
    if (lock.lock(SaveLockWaitMs) == SaveLock::Outcome::Busy)
        throw ExportError(saveBusyMessage(name));
    // Without a lock (a folder that cannot be written to) the writes say why.
    return writePreparedSkin(skin, surfaces);
}

QStringList templateSnapshotPaths() {
    return {QStringLiteral("d:/p2.bmp"), QStringLiteral("d:/p3.bmp")};
}

void writeTemplateSnapshot(const SkinWorkspace& ws) {
    const QStringList paths = templateSnapshotPaths();
    const std::pair<const PictureBox*, QString> shots[] = {{&ws.InChatMerge, paths[0]},
                                                           {&ws.OutChatMerge, paths[1]}};
    for (const auto& [box, path] : shots) {
        if (const QString reason = saveWhole(path, Imaging::encodeBmp24(box->Picture));
            !reason.isEmpty())
            //: Command3's message. %1: the file's path; %2: the system's reason.
            throw ExportError(QCoreApplication::translate(
                                  "SkinExport", "The template could not be written to %1 (%2).")
                                  .arg(native(path), reason));
    }
}
