#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>

#include "compose/pictureproblem.h"

#include <stdexcept>

// Pixel work on QImage. Every function takes and returns values; the one internal
// format is QImage::Format_RGB32. Reading pictures lives in picturereader.cpp, the colour
// model of the tint in colourmodel.cpp, the other pixel operations in pixelops.cpp.
namespace Imaging {

// The resolution a picture gets when its file names none: 96 dots per inch, what the
// built-in art carries and Windows assumes. Qt's own default follows the screen, and the
// command line has none, so the bitmaps' headers would differ between the two.
inline constexpr int DefaultDotsPerMeter = 3780;

// ---- reading pictures ----

// A picture file that could not be read. what() is the whole user-facing sentence, in the
// user's language; reason() the problem in English words ("too large", "cannot be opened:
// No such file or directory"), the same in every language.
class PictureError : public std::runtime_error {
public:
    // `systemReason`: the system's words for OpenFailed.
    PictureError(const QString& path, PictureProblem problem,
                 const QString& systemReason = QString());
    QString path() const { return m_path; }
    PictureProblem problem() const { return m_problem; }
    QString reason() const;
    QString message() const;

private:
    QString m_path;
    PictureProblem m_problem;
    QString m_systemReason;
};

// Reads a picture file, judged by its content, into Format_RGB32. Pictures larger than
// needed are decoded at reduced scale (JPEG DCT scaling), never below `cover` in either
// axis after the EXIF orientation is applied. An empty `cover` decodes at full size.
// Safe to call on several threads at once. Throws PictureError.
QImage readPicture(const QString& path, QSize cover = QSize());

// ---- the colour model ----

// A colour's hue (degrees, 0 to 360), saturation and lightness (0 to 1): the model the
// tint shifts.
struct Hsl {
    double h = 0;
    double s = 0;
    double l = 0;
};
Hsl toHsl(QRgb rgb);

// The hue/saturation/lightness shift of one colour; amounts -100..100.
QRgb shiftHsl(QRgb rgb, int hue, int saturation, int lightness);

// shiftHsl over a whole image. A pixel's result depends only on its colour, so results
// are memoised per colour.
QImage adjustHsl(const QImage& image, int hue, int saturation, int lightness);

// ---- pixel operations ----

// Brings any QImage to Format_RGB32; transparent and translucent pixels are flattened
// over white, as a picture viewer shows them.
QImage toInternal(const QImage& image);

// Exact size, axes stretched independently, smooth resampling.
QImage stretch(const QImage& image, int width, int height);

// The same for `part` of the image (clipped to it; empty when nothing is left), without
// copying the part first: the same pixels as stretching a copy of it.
QImage stretch(const QImage& image, QRect part, int width, int height);

// `top` laid over `base` at the top-left: every pixel of `top` replaces the base pixel
// unless its colour is exactly `transparent` (alpha ignored). The result has base's size.
QImage overlay(const QImage& base, const QImage& top, QRgb transparent);

// The same with the see-through pixels limited to those where `shape` (laid at the same
// top-left) has the colour `shapeKey`; outside `shape` nothing is see-through. With an
// untinted template and its key colour as the shape, exactly the template's key pixels
// let the base through, whatever else a tint turned into the transparent colour. A null
// `shape` sets no limit.
QImage overlay(const QImage& base, const QImage& top, QRgb transparent, const QImage& shape,
               QRgb shapeKey);

// `top` laid over `base` at the top-left wherever `shape` does not have the colour
// `shapeKey`: the see-through pixels are the shape's key pixels alone. With the untinted
// template as the shape and its tinted copy on top, this is the overlay above with the
// tinted key as transparent colour (a tint turns every key pixel into that one colour),
// without reading the tinted key back.
QImage overlayOutsideKey(const QImage& base, const QImage& top, const QImage& shape, QRgb shapeKey);

// A 24-bit uncompressed Windows bitmap of the image's exact size.
QByteArray encodeBmp24(const QImage& image);

} // namespace Imaging
