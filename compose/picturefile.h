#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "compose/pictureproblem.h"

// Opening a picture file: the platform calls behind it, in one place.

// Opens `path` for reading only when it is a regular file, without ever waiting: a FIFO
// with no writer, a socket or a device is refused before anything reads from it. No
// problem on success, else what is wrong (a FIFO, or "No such file or directory", ...).
OpenProblem openRegularFile(QFile& file, const QString& path);

// File names are bytes on Linux, and a name that is not valid UTF-8 ("caf\xe9.jpg") has no
// QString of its own: QFile::decodeName turns each stray byte into U+FFFD, and the file can
// no longer be found. These two carry such a name through a QString without loss: each
// byte that is not part of valid UTF-8 becomes U+DC80 + byte (a lone surrogate, which no
// valid name holds) and back. Valid names are exactly QFile::decodeName/encodeName. On
// Windows names are UTF-16 already and both are decodeName/encodeName.
QString pathFromNativeBytes(const QByteArray& bytes);
QByteArray nativeBytesFromPath(const QString& path);
