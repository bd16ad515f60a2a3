#pragma once

#include <QFile>
#include <QString>

// What a file of Varnel's own beside a skin file is there for.
enum class BesideKind {
    Staged, // a new file before it takes its target's place
    Aside,  // an earlier file kept until every new one is in
};

// `target` plus ".varnel-staged-" or ".varnel-aside-" and six random letters or digits: a name
// no user gives a file, which the host, reading only .bmp and .skn files, never takes for a
// skin, and which the next save of the skin knows as its own leftover.
QString besideName(const QString& target, BesideKind kind);

// Matches the names besideName gives beside any of `targets` (file names, letter case
// ignored as the host ignores it), and nothing else.
QString besideNamePattern(const QStringList& targets);

// One file of a set that replaces earlier files only once every one is written and on the
// disk. Written beside its target as a file without a name where the platform has them (a
// save killed before it commits leaves nothing), else under a temporary name; put in the
// target's place by one rename. Unlike QSaveFile, commit() does not sync: the set is synced once,
// by whoever holds it (export/filesync.h), before any file is committed, and the folder after.
// Destroyed uncommitted, it removes its temporary.
class StagedFile {
public:
    explicit StagedFile(QString target);
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile();

    // Refuses, as QSaveFile does, a target that is a folder or exists and may not be
    // written; a target that is a link is followed, and the file it names is replaced.
    bool open();
    QFile& file() { return m_staged; }
    // Closes the temporary and puts it in the target's place.
    bool commit();

    const QString& fileName() const { return m_target; }
    // The file open() will replace: fileName() with its links followed.
    const QString& targetName() const { return m_final; }
    QString errorString() const { return m_error.isEmpty() ? m_staged.errorString() : m_error; }

private:
    QString m_target;
    QFile m_staged;
    QString m_final;      // the target with its links followed
    QString m_stagedName; // empty while the file has no name
    QString m_error;
    bool m_committed = false;
};
