#include "compose/wholewrite.h"

#include <QSaveFile>

bool writeWhole(QFileDevice& file, const QByteArray& bytes) {
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    if (file.flush())
        return true;
    // A flush that wrote part of the buffer gives no reason either; the next attempt fails
    // at once and gives it.
    file.flush();
    return false;
}

QString saveWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && writeWhole(file, bytes) && file.commit())
        return QString();
    const QString reason = file.errorString();
    return reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
}
