#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QtGlobal>

class QIODevice;

// The picture reader's own parts, shared by picturereader.cpp and jpegreader.cpp only.
namespace Imaging {

// Decoding never allocates more than this for one picture; a larger one is "too large".
constexpr int AllocationLimitMiB = 1024;

// Whether a width x height picture would take more than the limit in Format_RGB32. Header
// sizes reach 2^31 in each axis, so the product is not formed.
inline bool exceedsAllocationLimit(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width > qint64(AllocationLimitMiB) * 1024 * 1024 / 4 / height;
}

// The size to decode a JPEG of `stored` pixels at: the smallest DCT scale M/8 that keeps
// the picture at least `cover` in both axes, at floor(size * M / 8).
QSize jpegDecodeSize(QSize stored, QSize cover);

// Reads the JPEG on `device` (opened, positioned at its start) as Qt's JPEG reader with
// automatic orientation would, pixel for pixel, reduced as readPicture describes: a
// Format_RGB32 or Format_Grayscale8 image, turned by its EXIF orientation. Throws
// PictureError naming `path`.
QImage readJpeg(QIODevice& device, const QString& path, QSize cover);

} // namespace Imaging
