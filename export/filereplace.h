#pragma once

#include <QString>

// The platform calls behind replacing a skin's files as one. Each returns an empty string
// on success, else the system's reason.

// Whether an existing file at `path` may be replaced by a rename into its folder. Empty
// when it may, or when there is no file there yet.
QString replaceProblem(const QString& path);

// A second name for the file at `path`, so that it survives being replaced: a hard link
// where the file system has them, else a copy. `aside` must not exist yet.
QString keepAside(const QString& path, const QString& aside);

// One save of a skin at a time: an exclusive lock on a lock file, which the system lets go
// when its holder ends in any way (a killed save holds nothing). The file is removed when
// the lock is let go. Unlike QLockFile it writes nothing and syncs nothing.
class SaveLock {
public:
    explicit SaveLock(QString path);
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;
    ~SaveLock();

    enum class Outcome { Locked, Busy, Unavailable };
    // Waits up to `timeoutMs` for the lock. Unavailable: the lock file cannot be made (a
    // folder that cannot be written to).
    Outcome lock(int timeoutMs);
    // One attempt, without waiting: for a caller that must not block.
    Outcome tryLock() { return lock(0); }

private:
    QString m_path;
#ifdef Q_OS_WIN
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};
