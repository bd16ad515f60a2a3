#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Writes all of `bytes` to an open file and flushes it. False on failure, with the file's
// errorString() naming the system's reason: a full disk or a file-size limit first takes
// part of the data without an error, and only writing the rest again brings the reason
// out (otherwise it reads "Unknown error"). The flush matters for QSaveFile: a small file
// stays in its write buffer, and commit() does not notice when writing that buffer out
// fails (Qt 6.4), so without it a cut file would replace the earlier one as a success.
bool writeWhole(QFileDevice& file, const QByteArray& bytes);

// Replaces the file at `path` with `bytes` through QSaveFile: a failure leaves an earlier
// file whole. Returns the empty text on success, else the reason (errorString()).
QString saveWhole(const QString& path, const QByteArray& bytes);
