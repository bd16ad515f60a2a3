// The one place with POSIX calls for reading pictures.
#include "compose/picturefile.h"

#include <QFileInfo>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifndef Q_OS_WIN
QString notRegular(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a FIFO, not a file");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a file");
    return S_ISREG(mode) ? QString() : QStringLiteral("it is not a regular file");
}
#endif

} // namespace

QString openRegularFile(QFile& file, const QString& path) {
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("it is a folder");
    if (info.exists() && !info.isFile())
        return QStringLiteral("it is not a regular file");
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
#else
    const QByteArray name = nativeBytesFromPath(path);
    // A socket cannot be opened at all; the type, asked first, names it.
    struct stat info {};
    if (::stat(name.constData(), &info) == 0)
        if (QString reason = notRegular(info.st_mode); !reason.isEmpty())
            return reason;
    // Without O_NONBLOCK, opening a FIFO waits for a writer; it could have replaced the
    // file since the question above. The type of what was opened is what counts.
    int fd;
    do {
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return qt_error_string(errno);
    QString reason;
    if (::fstat(fd, &info) != 0)
        reason = qt_error_string(errno);
    else
        reason = notRegular(info.st_mode);
    if (reason.isEmpty() && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        reason = qt_error_string(errno);
    if (reason.isEmpty() && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        reason = file.errorString();
    if (!reason.isEmpty())
        ::close(fd);
    return reason;
#endif
}

QString pathFromNativeBytes(const QByteArray& bytes) {
#ifdef Q_OS_WIN
    return QFile::decodeName(bytes);
#else
    QString path = QString::fromUtf8(bytes);
    if (path.toUtf8() == bytes)
        return path;
    // Decode piece by piece: each longest valid run as UTF-8, each stray byte escaped.
    path.clear();
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.size();
        // The longest prefix from `start` that survives the round trip.
        while (end > start) {
            const QByteArray piece = bytes.mid(start, end - start);
            if (QString::fromUtf8(piece).toUtf8() == piece)
                break;
            --end;
        }
        if (end == start) {
            path.append(QChar(char16_t(0xDC00 + uchar(bytes[start]))));
            ++start;
        } else {
            path.append(QString::fromUtf8(bytes.mid(start, end - start)));
            start = end;
        }
    }
    return path;
#endif
}

QByteArray nativeBytesFromPath(const QString& path) {
#ifdef Q_OS_WIN
    return QFile::encodeName(path);
#else
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        const bool escaped = i < path.size() && path[i].unicode() >= 0xDC80 &&
                             path[i].unicode() <= 0xDCFF &&
                             (i == 0 || !path[i - 1].isHighSurrogate());
        if (i == path.size() || escaped) {
            bytes.append(path.mid(start, i - start).toUtf8());
            if (escaped)
                bytes.append(char(path[i].unicode() - 0xDC00));
            start = i + 1;
        }
    }
    return bytes;
#endif
}
