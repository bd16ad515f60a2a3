// The one place with POSIX calls for saving files.
#include "export/filesync.h"

#ifndef Q_OS_WIN
#include <cerrno>
#include <unistd.h>
#endif

QString syncFileData(QFileDevice& file) {
#ifdef Q_OS_WIN
    Q_UNUSED(file);
    return QString();
#else
    const int fd = file.handle();
    if (fd < 0)
        return QStringLiteral("the file is not open");
    int result;
    do {
#if defined(Q_OS_LINUX) || defined(Q_OS_ANDROID)
        result = ::fdatasync(fd);
#else
        result = ::fsync(fd);
#endif
    } while (result != 0 && errno == EINTR);
    return result == 0 ? QString() : qt_error_string(errno);
#endif
}
