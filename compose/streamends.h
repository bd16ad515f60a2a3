#pragma once

#include "compose/pictureproblem.h"

#include <QByteArray>
#include <QSize>
#include <QtGlobal>

#include <optional>

class QIODevice;

// Where a picture's data must end, for the formats whose Qt decoder fills what a cut or
// broken file lacks with one colour instead of failing, or has its library print to
// standard error. Each walk follows the format's own structure from the device's current
// position, reads no pixels, and leaves the position wherever it stopped. No problem
// found means: the decoder may be asked.
namespace Imaging {

// A BI_RLE8 (or, with `nibbles`, BI_RLE4) stream of `height` rows: it must reach its
// end-of-bitmap escape, or an end of line after its last row, before the file ends.
std::optional<PictureProblem> runLengthProblem(QIODevice& device, qint64 height, bool nibbles);

// A PNG: every chunk whole up to IEND, every critical chunk's CRC right and the header
// chunk first and valid (libpng fails on each, printing to standard error on its own).
std::optional<PictureProblem> pngProblem(QIODevice& device);

// A GIF: the blocks up to the first image, and that image's data up to its terminator.
// Only the first frame is read as the picture.
std::optional<PictureProblem> gifProblem(QIODevice& device);

// A Windows icon or cursor whose first image, the one read, is a PNG: that PNG as above.
// Qt's icon reader hands it to libpng; for its bitmaps the reader fails by itself.
std::optional<PictureProblem> iconProblem(QIODevice& device);

// An X bitmap's text: the data array holds a byte for every eight pixels of each row of a
// `size` picture and is closed.
std::optional<PictureProblem> xbmProblem(const QByteArray& text, QSize size);

} // namespace Imaging
