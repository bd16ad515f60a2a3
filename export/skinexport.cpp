#include "export/skinexport.h"

#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "compose/wholewrite.h"
#include "export/codepage.h"
#include "export/filesync.h"
#include "export/skindescription.h"
#include "export/skinname.h"
#include "export/stagedfile.h"
#include "export/stagemarks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

SkinPaths skinPaths(const QString& hostFolder, const QString& name) {
    SkinPaths p;
    p.skinsFolder = hostFolder + folderSeparator() + "Skins" + folderSeparator();
    for (const SurfaceFacts& s : SkinSurfaceTable)
        p.bitmaps[std::size_t(s.id)] = p.skinsFolder + name + s.word + ".bmp";
    p.description = p.skinsFolder + name + ".skn";
    return p;
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

QByteArray readTemplate(const QString& path) {
    if (QFileInfo(path).isDir())
        throw ExportError(QStringLiteral("The skin could not be saved: the description template "
                                         "%1 is a folder, not a file.")
                              .arg(native(path)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ExportError(QStringLiteral("The skin could not be saved: the description template "
                                         "%1 cannot be read (%2).")
                              .arg(native(path), file.errorString()));
    QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ExportError(QStringLiteral("The skin could not be saved: the description template "
                                         "%1 cannot be read (%2).")
                              .arg(native(path), file.errorString()));
    return text;
}

// Writes a set of files so that each one is either wholly replaced or left as it was.
class StagedFiles {
public:
    StagedFiles() = default;
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    void add(const QString& path, const QByteArray& bytes) {
        auto file = std::make_unique<StagedFile>(path);
        if (!file->open() || !writeWhole(file->file(), bytes))
            fail(path, file->errorString());
        // On its way to the disk while the next one is encoded.
        startWritingData(file->file());
        m_files.push_back(std::move(file));
    }

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
        for (std::size_t i = 0; i < m_files.size(); ++i)
            if (!m_files[i]->commit())
                fail(m_files[i]->fileName(), m_files[i]->errorString(), i);
        if (const QString reason = syncFolder(folder); !reason.isEmpty())
            fail(folder, reason, m_files.size());
        m_files.clear();
        stageMark("committed");
    }

private:
    // `replaced`: how many files were already committed when this one failed. The message
    // is made first: the path may belong to a file dropped here.
    [[noreturn]] void fail(const QString& path, const QString& reason, std::size_t replaced = 0) {
        const ExportError error(
            QStringLiteral("The skin could not be saved: %1 could not be written (%2). %3")
                .arg(native(path), reason,
                     replaced == 0 ? QStringLiteral("No file was changed.")
                                   : QStringLiteral("The %1 files before it were already "
                                                    "replaced; save the skin again.")
                                         .arg(replaced)));
        m_files.clear(); // a staged file drops its temporary when destroyed uncommitted
        throw error;
    }

    std::vector<std::unique_ptr<StagedFile>> m_files;
};

} // namespace

QStringList exportSkin(const SurfacePictures& surfaces, const QString& hostFolder,
                       const QString& name, const QString& programFolder) {
    if (const QString problem = skinNameProblem(name); !problem.isEmpty())
        throw ExportError(problem);
    if (std::any_of(surfaces.pictures.begin(), surfaces.pictures.end(),
                    [](const QImage& picture) { return picture.isNull(); }))
        throw ExportError(QStringLiteral("There is no skin to save yet. Load an image first."));

    const SkinPaths paths = skinPaths(hostFolder, name);
    const QByteArray description = buildSkinDescription(
        *encodeForHost(name), readTemplate(descriptionTemplatePath(programFolder)));

    if (!QFileInfo(paths.skinsFolder).isDir()) {
        const bool isFile = QFileInfo(paths.skinsFolder.chopped(1)).isFile();
        throw ExportError(
            QStringLiteral("The skin could not be saved: the Skins folder %1 %2.")
                .arg(native(paths.skinsFolder), isFile ? QStringLiteral("is a file, not a folder")
                                                       : QStringLiteral("does not exist")));
    }

    StagedFiles files;
    for (SurfaceId id : SurfaceWriteOrder)
        files.add(paths.bitmap(id), Imaging::encodeBmp24(surfaces[id]));
    files.add(paths.description, description);
    stageMark("encoded and written");
    files.commitAll(paths.skinsFolder);
    return paths.all();
}

void writeTemplateSnapshot(const SkinWorkspace& ws) {
    const std::pair<const PictureBox*, QString> shots[] = {{&ws.InChatMerge, "d:/p2.bmp"},
                                                           {&ws.OutChatMerge, "d:/p3.bmp"}};
    for (const auto& [box, path] : shots) {
        if (const QString reason = saveWhole(path, Imaging::encodeBmp24(box->Picture));
            !reason.isEmpty())
            throw ExportError(QStringLiteral("The template could not be written to %1 (%2).")
                                  .arg(native(path), reason));
    }
}
