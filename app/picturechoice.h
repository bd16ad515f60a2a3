#pragma once

#include "app/dialogs.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What Load Image's dialog offers: `designed` first, as the window has always shown it; then
// every picture the loader reads together and each further kind on its own, as far as
// `readable` (the formats Qt's reader has here, QImageReader::supportedImageFormats()) holds
// it; "All files" last.
QList<FileFilter> pictureFileFilters(const FileFilter& designed, const QList<QByteArray>& readable);

// The folder of the last picture loaded, kept in the user's own settings of this program;
// "" when none was loaded yet or the folder is gone.
QString lastPictureFolder();
void rememberPictureFolder(const QString& picturePath);
