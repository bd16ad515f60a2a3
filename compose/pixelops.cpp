#include "compose/imaging.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
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
    const QImage source = toInternal(image);
    if (source.width() == width && source.height() == height)
        return source;
    return source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage overlay(const QImage& base, const QImage& top, QRgb transparent) {
    return overlay(base, top, transparent, QImage(), 0);
}

QImage overlay(const QImage& base, const QImage& top, QRgb transparent, const QImage& shape,
               QRgb shapeKey) {
    QImage result = toInternal(base);
    const QImage over = toInternal(top);
    const QImage limit = shape.isNull() ? QImage() : toInternal(shape);
    result.detach();
    constexpr QRgb Colour = 0x00FFFFFFu;
    const QRgb key = transparent & Colour;
    const QRgb limitKey = shapeKey & Colour;
    const int w = std::min(result.width(), over.width());
    const int h = std::min(result.height(), over.height());
    for (int y = 0; y < h; ++y) {
        auto* dst = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* src = reinterpret_cast<const QRgb*>(over.constScanLine(y));
        if (limit.isNull()) {
            for (int x = 0; x < w; ++x) {
                const QRgb t = src[x];
                dst[x] = (t & Colour) != key ? (t | 0xFF000000u) : dst[x];
            }
            continue;
        }
        // Outside the shape nothing is see-through.
        const int shaped = y < limit.height() ? std::min(w, limit.width()) : 0;
        const auto* lim = shaped ? reinterpret_cast<const QRgb*>(limit.constScanLine(y)) : nullptr;
        for (int x = 0; x < w; ++x) {
            const QRgb t = src[x];
            const bool seeThrough =
                (t & Colour) == key && x < shaped && (lim[x] & Colour) == limitKey;
            dst[x] = seeThrough ? dst[x] : (t | 0xFF000000u);
        }
    }
    return result;
}

QByteArray encodeBmp24(const QImage& image) {
    // Qt's bitmap writer stores every image of more than 8 bits a pixel as 24-bit BI_RGB.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(toInternal(image)))
        throw std::runtime_error(writer.errorString().toStdString());
    return bytes;
}

} // namespace Imaging
