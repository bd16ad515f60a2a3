// The one place with platform calls for saving files durably.
#include "export/filesync.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#include <string>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <cstdio>
#include <linux/magic.h>
#include <sys/utsname.h>
#include <sys/vfs.h>
#endif

namespace {

#ifndef Q_OS_WIN
template <typename Call> int retryInterrupted(Call call) {
    int result;
    do
        result = call();
    while (result != 0 && errno == EINTR);
    return result;
}
#endif

#ifdef Q_OS_LINUX
// Before 5.8, syncfs() reported no write-back errors: a failed write would pass as saved.
bool syncfsReportsErrors() {
    static const bool reports = [] {
        utsname host{};
        int major = 0;
        int minor = 0;
        return ::uname(&host) == 0 && std::sscanf(host.release, "%d.%d", &major, &minor) == 2 &&
               (major > 5 || (major == 5 && minor >= 8));
    }();
    return reports;
}

// File systems whose whole-volume sync ends, like a file's sync, with the disk's cache
// flush (or that have no disk). Elsewhere (FAT, overlays, network file systems) the files
// are synced one by one.
bool syncfsFlushesTheDisk(int fd) {
    struct statfs volume {};
    if (::fstatfs(fd, &volume) != 0)
        return false;
    switch (static_cast<unsigned long>(volume.f_type)) {
    case EXT4_SUPER_MAGIC: // also ext2 and ext3
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case TMPFS_MAGIC:
        return true;
    default:
        return false;
    }
}
#endif

#ifdef Q_OS_WIN
// MoveFileExW takes at most MAX_PATH characters unless the path is marked as a long one.
std::wstring windowsPath(const QString& path) {
    QString native = QDir::toNativeSeparators(path);
    if (native.size() >= MAX_PATH) {
        native = QDir::toNativeSeparators(QDir::cleanPath(QDir(path).absolutePath()));
        native = native.startsWith(QLatin1String("\\\\"))
                     ? QStringLiteral("\\\\?\\UNC\\") + native.mid(2)
                     : QStringLiteral("\\\\?\\") + native;
    }
    return native.toStdWString();
}
#endif

} // namespace

QString syncFileData(QFileDevice& file) {
    const int fd = file.handle();
    if (fd < 0)
        return QStringLiteral("the file is not open");
#ifdef Q_OS_WIN
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    if (handle == INVALID_HANDLE_VALUE)
        return QStringLiteral("the file is not open");
    return ::FlushFileBuffers(handle) ? QString() : qt_error_string(int(::GetLastError()));
#else
    const int result = retryInterrupted([fd] {
#if defined(Q_OS_LINUX) || defined(Q_OS_ANDROID)
        return ::fdatasync(fd);
#else
        return ::fsync(fd);
#endif
    });
    return result == 0 ? QString() : qt_error_string(errno);
#endif
}

void startWritingData(QFileDevice& file) {
#ifdef Q_OS_LINUX
    if (const int fd = file.handle(); fd >= 0)
        ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    Q_UNUSED(file);
#endif
}

std::optional<DataSyncFailure> syncFilesData(std::span<QFileDevice* const> files) {
#ifdef Q_OS_LINUX
    // One sync of the volume writes all of them and flushes the disk's cache once, where
    // each file's own sync would flush it again. It reports the errors of any file on the
    // volume since the first one was opened; when it fails, each file's own sync tells
    // whether it was one of ours.
    const int first = files.empty() ? -1 : files.front()->handle();
    if (files.size() > 1 && first >= 0 && syncfsReportsErrors() && syncfsFlushesTheDisk(first) &&
        retryInterrupted([first] { return ::syncfs(first); }) == 0)
        return std::nullopt;
#endif
    for (std::size_t i = 0; i < files.size(); ++i)
        if (QString reason = syncFileData(*files[i]); !reason.isEmpty())
            return DataSyncFailure{i, std::move(reason)};
    return std::nullopt;
}

bool openUnnamedFile(QFile& file, const QString& folder) {
#if defined(Q_OS_LINUX) && defined(O_TMPFILE)
    // It is named through /proc (a link to the open file), which a sandbox may lack.
    if (!QFileInfo::exists(QStringLiteral("/proc/self/fd")))
        return false;
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    Q_UNUSED(file);
    Q_UNUSED(folder);
    return false;
#endif
}

QString nameUnnamedFile(QFile& file, const QString& name) {
#if defined(Q_OS_LINUX) && defined(O_TMPFILE)
    const QByteArray open = "/proc/self/fd/" + QByteArray::number(file.handle());
    return ::linkat(AT_FDCWD, open.constData(), AT_FDCWD, QFile::encodeName(name).constData(),
                    AT_SYMLINK_FOLLOW) == 0
               ? QString()
               : qt_error_string(errno);
#else
    Q_UNUSED(file);
    Q_UNUSED(name);
    return QStringLiteral("the file has no name to give");
#endif
}

QString replaceFile(const QString& staged, const QString& target) {
#ifdef Q_OS_WIN
    // Write-through: the move is on the disk when the call returns, as a folder sync
    // makes it elsewhere.
    const std::wstring from = windowsPath(staged);
    const std::wstring to = windowsPath(target);
    return ::MoveFileExW(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? QString()
               : qt_error_string(int(::GetLastError()));
#else
    return ::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData()) ==
                   0
               ? QString()
               : qt_error_string(errno);
#endif
}

QString syncFolder(const QString& folder) {
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return QString(); // replaceFile() writes through
#else
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    const int result = retryInterrupted([fd] { return ::fsync(fd); });
    const int error = errno;
    ::close(fd);
    // A file system that cannot sync a folder has no way to make the renames more durable.
    if (result == 0 || error == EINVAL || error == ENOTSUP)
        return QString();
    return qt_error_string(error);
#endif
}
