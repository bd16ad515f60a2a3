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
std::optional<PictureProblem> notRegular(mode_t mode) {
    if (S_ISDIR(mode))
        return PictureProblem::Folder;
    if (S_ISFIFO(mode))
        return PictureProblem::Fifo;
    if (S_ISSOCK(mode))
        return PictureProblem::Socket;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return PictureProblem::Device;
    return S_ISREG(mode) ? std::nullopt : std::optional(PictureProblem::NotRegular);
}

#endif

OpenProblem systemFailure(const QString& reason) {
    return {PictureProblem::OpenFailed, reason};
}

} // namespace

OpenProblem openRegularFile(QFile& file, const QString& path) {
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (info.isDir())
        return {PictureProblem::Folder, QString()};
    if (info.exists() && !info.isFile())
        return {PictureProblem::NotRegular, QString()};
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) ? OpenProblem() : systemFailure(file.errorString());
#else
    const QByteArray name = nativeBytesFromPath(path);
    // A socket cannot be opened at all; the type, asked first, names it.
    struct stat info {};
    if (::stat(name.constData(), &info) == 0)
        if (const std::optional<PictureProblem> problem = notRegular(info.st_mode))
            return {problem, QString()};
    // Without O_NONBLOCK, opening a FIFO waits for a writer; it could have replaced the
    // file since the question above. The type of what was opened is what counts.
    int fd;
    do {
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return systemFailure(qt_error_string(errno));
    OpenProblem outcome;
    if (::fstat(fd, &info) != 0)
        outcome = systemFailure(qt_error_string(errno));
    else
        outcome.problem = notRegular(info.st_mode);
    if (!outcome.problem && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        outcome = systemFailure(qt_error_string(errno));
    if (!outcome.problem && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        outcome = systemFailure(file.errorString());
    if (outcome.problem)
        ::close(fd);
    return outcome;
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
