#include "export/skinexport.h"

#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "compose/wholewrite.h"
#include "export/codepage.h"
#include "export/filesync.h"
#include "export/skindescription.h"
#include "export/skinname.h"
#include "export/stagemarks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <future>
#include <memory>
#include <system_error>
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
    ~StagedFiles() { dropAll(); }

    void add(const QString& path, const QByteArray& bytes) {
        auto file = std::make_unique<QSaveFile>(path);
        if (!file->open(QIODevice::WriteOnly) || !writeWhole(*file, bytes))
            fail(path, file->errorString());
        m_files.push_back(std::move(file));
        m_syncs.push_back(startSync(*m_files.back()));
    }

    void commitAll() {
        // Every file is on the disk before the first one replaces anything; a failed sync,
        // which commit() ignores (Qt 6.4), stops the save here.
        for (std::size_t i = 0; i < m_syncs.size(); ++i)
            if (const QString reason = m_syncs[i].get(); !reason.isEmpty())
                fail(m_files[i]->fileName(), reason);
        stageMark("synced");
        m_syncs.clear();
        for (std::size_t i = 0; i < m_files.size(); ++i)
            if (!m_files[i]->commit())
                fail(m_files[i]->fileName(), m_files[i]->errorString(), i);
        m_files.clear();
        stageMark("committed");
    }

private:
    // Each commit() syncs its file before the rename, and one after another that is a wait
    // on the disk per file. Each staged file starts its sync on a thread of its own as soon
    // as it is written, while the next one is encoded and written; the commits then find
    // nothing left to write. Without a thread to be had, the sync waits for commitAll.
    static std::future<QString> startSync(QSaveFile& file) {
        const auto sync = [f = &file] {
            return syncFileData(*f);
        };
        try {
            return std::async(std::launch::async, sync);
        } catch (const std::system_error&) {
            return std::async(std::launch::deferred, sync);
        }
    }

    // The syncs still running hold the files: they end first.
    void dropAll() {
        for (std::future<QString>& sync : m_syncs)
            if (sync.valid())
                sync.wait();
        m_syncs.clear();
        m_files.clear(); // QSaveFile drops its temporary when destroyed uncommitted
    }

    // `replaced`: how many files were already committed when this one failed.
    [[noreturn]] void fail(const QString& path, const QString& reason, std::size_t replaced = 0) {
        dropAll();
        throw ExportError(
            QStringLiteral("The skin could not be saved: %1 could not be written (%2). %3")
                .arg(native(path), reason,
                     replaced == 0 ? QStringLiteral("No file was changed.")
                                   : QStringLiteral("The %1 files before it were already "
                                                    "replaced; save the skin again.")
                                         .arg(replaced)));
    }

    std::vector<std::unique_ptr<QSaveFile>> m_files;
    std::vector<std::future<QString>> m_syncs; // one for each file, in the same order
};

} // namespace

QStringList exportSkin(const SkinWorkspace& ws, const QString& hostFolder, const QString& name,
                       const QString& programFolder) {
    if (const QString problem = skinNameProblem(name); !problem.isEmpty())
        throw ExportError(problem);
    if (!ws.hasSkin())
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
        files.add(paths.bitmap(id), Imaging::encodeBmp24(ws.surface(id).instance->Picture()));
    files.add(paths.description, description);
    stageMark("encoded and written");
    files.commitAll();
    return paths.all();
}

void writeTemplateSnapshot(const SkinWorkspace& ws) {
    const std::pair<const PictureBox*, QString> shots[] = {{&ws.InChatMerge, "d:/p2.bmp"},
                                                           {&ws.OutChatMerge, "d:/p3.bmp"}};
    for (const auto& [box, path] : shots) {
        QSaveFile file(path);
        const QByteArray bytes = Imaging::encodeBmp24(box->Picture);
        if (!file.open(QIODevice::WriteOnly) || !writeWhole(file, bytes) || !file.commit())
            throw ExportError(QStringLiteral("The template could not be written to %1 (%2).")
                                  .arg(native(path), file.errorString()));
    }
}
