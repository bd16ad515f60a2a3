// The one place with platform calls for replacing files.
#include "export/filereplace.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_WIN
std::wstring wide(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}
#endif

} // namespace

QString replaceProblem(const QString& path) {
#ifdef Q_OS_WIN
    // Opening for deletion fails exactly when a rename over the file would: no right to
    // delete it, or another program holds it open without sharing deletion.
    const HANDLE handle = CreateFileW(wide(path).c_str(), DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? QString() : qt_error_string(int(error));
    }
    CloseHandle(handle);
    return QString();
#else
    const QByteArray file = QFile::encodeName(path);
    struct stat fileStat {};
    if (::lstat(file.constData(), &fileStat) != 0)
        return errno == ENOENT ? QString() : qt_error_string(errno);
    // In a folder with the sticky bit (a shared folder) only the owner of a file, or of the
    // folder, may rename over it; the rename would fail after earlier files were replaced.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    struct stat folderStat {};
    if (::stat(folder.constData(), &folderStat) != 0)
        return qt_error_string(errno);
    const uid_t me = ::geteuid();
    if ((folderStat.st_mode & S_ISVTX) != 0 && me != 0 && fileStat.st_uid != me &&
        folderStat.st_uid != me)
        return QStringLiteral("it belongs to another user, and only its owner may replace it "
                              "in this shared folder");
    return QString();
#endif
}

QString keepAside(const QString& path, const QString& aside) {
#ifdef Q_OS_WIN
    if (CreateHardLinkW(wide(aside).c_str(), wide(path).c_str(), nullptr))
        return QString();
#else
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0)
        return QString();
#endif
    QFile original(path);
    if (original.copy(aside))
        return QString();
    return original.errorString();
}

namespace {
constexpr int LockPollMs = 20;
} // namespace

SaveLock::SaveLock(QString path)
    : m_path(std::move(path)) {}

#ifdef Q_OS_WIN

SaveLock::~SaveLock() {
    if (m_handle)
        CloseHandle(m_handle); // deletes the file
}

SaveLock::Outcome SaveLock::lock(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        // Opened unshared: nobody else can open it while it is held.
        const HANDLE handle =
            CreateFileW(wide(m_path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            m_handle = handle;
            return Outcome::Locked;
        }
        const DWORD error = GetLastError();
        // Access is denied, too, while the last holder's file is being deleted.
        if (error != ERROR_SHARING_VIOLATION &&
            (error != ERROR_ACCESS_DENIED || !QFileInfo::exists(m_path)))
            return Outcome::Unavailable;
        if (deadline.hasExpired())
            return Outcome::Busy;
        QThread::msleep(LockPollMs);
    }
}

#else

SaveLock::~SaveLock() {
    if (m_fd < 0)
        return;
    // Removed while still held: whoever opened it meanwhile finds, once it has the lock,
    // that the name no longer leads to its file, and starts again.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
}

SaveLock::Outcome SaveLock::lock(int timeoutMs) {
    const QByteArray name = QFile::encodeName(m_path);
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return Outcome::Unavailable;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            struct stat held {};
            struct stat named {};
            if (::fstat(fd, &held) == 0 && ::stat(name.constData(), &named) == 0 &&
                held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
                m_fd = fd;
                return Outcome::Locked;
            }
            ::close(fd); // its holder removed it before letting go: a new one is needed
            continue;
        }
        const int error = errno;
        ::close(fd);
        if (error != EWOULDBLOCK && error != EINTR)
            return Outcome::Unavailable;
        if (deadline.hasExpired())
            return Outcome::Busy;
        QThread::msleep(LockPollMs);
    }
}

#endif
