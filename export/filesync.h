#pragma once

#include <QFile>
#include <QString>

#include <optional>
#include <span>

// How saved files are made to survive a power cut, per platform. Every function returns an
// empty string on success, else the system's reason.

// Writes an open file's data through to the disk without closing it.
QString syncFileData(QFileDevice& file);

// Starts writing an open file's data to the disk and returns at once, so that the sync of
// the set that follows finds less left to wait for. Nothing where the platform has no such
// call; a failure shows in that sync.
void startWritingData(QFileDevice& file);

struct DataSyncFailure {
    std::size_t file = 0; // index into the files given
    QString reason;
};

// Writes the data of a set of open files in one folder through to the disk, paying for the
// disk's cache flush once where the platform allows it, else file by file. `files` in the
// order they were opened, the first opened before any was written: a file-system-wide
// sync reports the write-back errors seen since that file was opened. Empty on success.
std::optional<DataSyncFailure> syncFilesData(std::span<QFileDevice* const> files);

// Opens `file` for writing as a new file in `folder` that has no name yet, where the
// platform has such files; false where it does not.
bool openUnnamedFile(QFile& file, const QString& folder);
// Gives a file that openUnnamedFile() opened the name `name`, which must not exist yet.
QString nameUnnamedFile(QFile& file, const QString& name);

// Puts `staged` in the place of `target` in one step: `target` is the old file or the new
// one, never missing or partly written. Both in the same folder; `staged` closed.
QString replaceFile(const QString& staged, const QString& target);

// Makes the renames in `folder` as durable as the data before them.
QString syncFolder(const QString& folder);
