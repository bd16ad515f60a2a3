#pragma once

#include <QFileDevice>
#include <QString>

// Writes an open file's data through to the disk without closing it. Empty on success,
// else the system's reason. On a platform without a way to do that here it does nothing
// and succeeds: QSaveFile::commit() still syncs each file itself there.
QString syncFileData(QFileDevice& file);
