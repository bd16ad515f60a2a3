// The one place with platform calls for replacing files.
#include "export/filereplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <cerrno>
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
