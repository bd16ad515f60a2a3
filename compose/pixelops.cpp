#include "compose/imaging.h"

#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

// The pixel operations of the image control: format, stretch, overlay and the bitmap
// encoding.
namespace Imaging {

QImage toInternal(const QImage& image) {
    if (image.format() == QImage::Format_RGB32)
        return image;
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat;
}

QImage stretch(const QImage& image, int width, int height) {
    QImage source = toInternal(image);
    if (source.width() == width && source.height() == height)
        return source;
    return source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage stretch(const QImage& image, QRect part, int width, int height) {
    const QImage source = toInternal(image);
    part = part.intersected(source.rect());
    if (part.isEmpty())
        return QImage();
    // A read-only view of the part over the source's pixels: a copy of a crop of a
    // 1500 x 1000 picture costs more than scaling it, at every focus move. The view never
    // leaves this function; what it returns owns its pixels.
    const QImage view(source.constScanLine(part.top()) + qsizetype(part.left()) * 4, part.width(),
                      part.height(), source.bytesPerLine(), QImage::Format_RGB32);
    QImage result =
        part.size() == QSize(width, height)
            ? view.copy()
            : view.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The view starts with the platform's default resolution, which differs between the
    // window and the command line; the bitmap header records it. Keep the picture's, as
    // stretching a copy of the part does.
    result.setDotsPerMeterX(source.dotsPerMeterX());
    result.setDotsPerMeterY(source.dotsPerMeterY());
    return result;
}

namespace {

constexpr QRgb ColourBits = 0x00FFFFFFu;

// One row: a pixel of `top` replaces the base pixel unless it has the key colour.
void overlayRow(QRgb* dst, const QRgb* top, int width, QRgb key) {
    for (int x = 0; x < width; ++x)
        if ((top[x] & ColourBits) != key)
            dst[x] = top[x] | 0xFF000000u;
}

// One row where only the pixels that also have `shapeKey` in `shape` are see-through.
void overlayShapedRow(QRgb* dst, const QRgb* top, const QRgb* shape, int width, QRgb key,
                      QRgb shapeKey) {
    for (int x = 0; x < width; ++x)
        if ((top[x] & ColourBits) != key || (shape[x] & ColourBits) != shapeKey)
            dst[x] = top[x] | 0xFF000000u;
}

} // namespace

QImage overlay(const QImage& base, const QImage& top, QRgb transparent) {
    return overlay(base, top, transparent, QImage(), 0);
}

QImage overlay(const QImage& base, const QImage& top, QRgb transparent, const QImage& shape,
               QRgb shapeKey) {
    QImage result = toInternal(base);
    const QImage over = toInternal(top);
    const QImage limit = shape.isNull() ? QImage() : toInternal(shape);
    result.detach();
    const QRgb key = transparent & ColourBits;
    const int w = std::min(result.width(), over.width());
    const int h = std::min(result.height(), over.height());
    for (int y = 0; y < h; ++y) {
        auto* dst = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* src = reinterpret_cast<const QRgb*>(over.constScanLine(y));
        if (limit.isNull()) {
            overlayRow(dst, src, w, key);
            continue;
        }
        // Outside the shape nothing is see-through: there the top always replaces.
        const int shaped = y < limit.height() ? std::min(w, limit.width()) : 0;
        if (shaped > 0)
            overlayShapedRow(dst, src, reinterpret_cast<const QRgb*>(limit.constScanLine(y)),
                             shaped, key, shapeKey & ColourBits);
        for (int x = shaped; x < w; ++x)
            dst[x] = src[x] | 0xFF000000u;
    }
    return result;
}

QImage overlayOutsideKey(const QImage& base, const QImage& top, const QImage& shape,
                         QRgb shapeKey) {
    QImage result = toInternal(base);
    const QImage over = toInternal(top);
    const QImage limit = toInternal(shape);
    result.detach();
    const QRgb key = shapeKey & ColourBits;
    const int w = std::min(result.width(), over.width());
    const int h = std::min(result.height(), over.height());
    for (int y = 0; y < h; ++y) {
        auto* dst = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* src = reinterpret_cast<const QRgb*>(over.constScanLine(y));
        const int shaped = y < limit.height() ? std::min(w, limit.width()) : 0;
        const auto* mask =
            shaped > 0 ? reinterpret_cast<const QRgb*>(limit.constScanLine(y)) : nullptr;
        for (int x = 0; x < shaped; ++x)
            if ((mask[x] & ColourBits) != key)
                dst[x] = src[x] | 0xFF000000u;
        for (int x = shaped; x < w; ++x)
            dst[x] = src[x] | 0xFF000000u;
    }
    return result;
}

QByteArray encodeBmp24(const QImage& image) {
    // Written here rather than through QImageWriter, whose first use looks up and loads
    // every image format plugin (about a millisecond of an export) for a format Qt has
    // built in. The bytes are those Qt's bitmap writer gives a 32-bit picture: a 14-byte
    // file header, a 40-byte info header, then the rows bottom-up as blue, green, red, each
    // padded with zeros to four bytes; tst_imaging holds the two side by side.
    if (image.isNull())
        throw std::runtime_error("Image is empty");
    const QImage source = toInternal(image);
    constexpr qsizetype HeaderBytes = 14 + 40;
    const qint64 rowBytes = (qint64(source.width()) * 24 + 31) / 32 * 4;
    const qint64 pixelBytes = rowBytes * source.height();
    if (HeaderBytes + pixelBytes > std::numeric_limits<qint32>::max())
        throw std::runtime_error("The picture is too large for a bitmap file");
    QByteArray bytes(HeaderBytes + qsizetype(pixelBytes), Qt::Uninitialized);
    auto* out = reinterpret_cast<uchar*>(bytes.data());
    const auto put16 = [&out](quint16 v) {
        qToLittleEndian(v, out);
        out += 2;
    };
    const auto put32 = [&out](quint32 v) {
        qToLittleEndian(v, out);
        out += 4;
    };
    // Zero resolution is written as 72 dpi, as Qt's writer does.
    const auto resolution = [](int dotsPerMeter) {
        return quint32(dotsPerMeter ? dotsPerMeter : 2834);
    };
    *out++ = 'B';
    *out++ = 'M';
    put32(quint32(HeaderBytes + pixelBytes));
    put32(0); // two reserved words
    put32(quint32(HeaderBytes));
    put32(40);
    put32(quint32(source.width()));
    put32(quint32(source.height())); // positive: rows bottom-up
    put16(1);                        // planes
    put16(24);                       // bits a pixel
    put32(0);                        // BI_RGB
    put32(quint32(pixelBytes));
    put32(resolution(source.dotsPerMeterX()));
    put32(resolution(source.dotsPerMeterY()));
    put32(0); // colours used
    put32(0); // colours important
    // Through a pointer of the loop's own: stores through `out`, which the helpers above
    // hold by reference, would make the compiler reload it after every byte.
    uchar* const pixels = out;
    const int width = source.width();
    for (int y = source.height() - 1, row = 0; y >= 0; --y, ++row) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* o = pixels + qsizetype(row) * rowBytes;
        for (int x = 0; x < width; ++x, o += 3) {
            const QRgb p = in[x];
            o[0] = uchar(qBlue(p));
            o[1] = uchar(qGreen(p));
            o[2] = uchar(qRed(p));
        }
        std::memset(o, 0, std::size_t(pixels + qsizetype(row + 1) * rowBytes - o));
    }
    return bytes;
}

} // namespace Imaging
