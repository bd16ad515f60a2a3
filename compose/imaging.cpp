#include "compose/imaging.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <deque>
#include <optional>
#include <vector>

namespace Imaging {

namespace {

// Decoding never allocates more than this for one picture; a larger one is "too large".
constexpr int AllocationLimitMiB = 1024;

QString reasonFor(const QImageReader& reader) {
    switch (reader.error()) {
    case QImageReader::FileNotFoundError:
    case QImageReader::DeviceError:
        return QStringLiteral("cannot be opened: %1").arg(reader.errorString());
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("not a picture");
    case QImageReader::InvalidDataError:
        if (reader.errorString().contains(QLatin1String("limit"), Qt::CaseInsensitive))
            return QStringLiteral("too large");
        return QStringLiteral("damaged");
    case QImageReader::UnknownError:
        break;
    }
    return QStringLiteral("damaged");
}

// The DCT scale (M/8, M in 1..8) that keeps the decoded picture at least `cover` in
// both axes. libjpeg produces ceil(size * M / 8); asking for that size exactly lets the
// reader skip its own resampling when the sizes divide evenly.
QSize jpegDecodeSize(QSize stored, QSize cover) {
    for (int m = 1; m < 8; ++m) {
        const qint64 w = qint64(stored.width()) * m;
        const qint64 h = qint64(stored.height()) * m;
        if (w / 8 >= cover.width() && h / 8 >= cover.height())
            return QSize(int(w / 8), int(h / 8));
    }
    return stored;
}

} // namespace

PictureError::PictureError(const QString& path, const QString& reason)
    : std::runtime_error(QStringLiteral("The picture could not be loaded: %1 (%2)")
                             .arg(QDir::toNativeSeparators(path), reason)
                             .toStdString())
    , m_path(path)
    , m_reason(reason) {}

QString PictureError::message() const {
    return QString::fromStdString(what());
}

QImage readPicture(const QString& path, QSize cover) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError(path, QStringLiteral("cannot be opened: %1").arg(file.errorString()));
    if (QFileInfo(path).isDir())
        throw PictureError(path, QStringLiteral("cannot be opened: it is a folder"));
    if (file.size() == 0)
        throw PictureError(path, QStringLiteral("the file is empty"));

    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(AllocationLimitMiB);
    if (!reader.canRead())
        throw PictureError(path, QStringLiteral("not a picture"));

    const QSize stored = reader.size();
    const bool scalable = reader.format() == "jpeg";
    if (stored.isValid()) {
        const qint64 bytes = qint64(stored.width()) * stored.height() * 4;
        if (!scalable && bytes > qint64(AllocationLimitMiB) * 1024 * 1024)
            throw PictureError(path, QStringLiteral("too large"));
        if (scalable && !cover.isEmpty()) {
            QSize need = cover;
            if (reader.transformation() & QImageIOHandler::TransformationRotate90)
                need.transpose();
            const QSize decode = jpegDecodeSize(stored, need);
            if (decode != stored)
                reader.setScaledSize(decode);
        }
    }

    QImage image = reader.read();
    if (image.isNull())
        throw PictureError(path, reasonFor(reader));
    return toInternal(image);
}

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

QRgb shiftHsl(QRgb rgb, int hue, int saturation, int lightness) {
    const double r = qRed(rgb) / 255.0;
    const double g = qGreen(rgb) / 255.0;
    const double b = qBlue(rgb) / 255.0;
    const double mx = std::max({r, g, b});
    const double mn = std::min({r, g, b});
    const double l = (mx + mn) / 2;
    const double d = mx - mn;
    double h = 0;
    double s = 0;
    if (d != 0) {
        s = l <= 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
        if (mx == r) {
            h = 60 * std::fmod((g - b) / d, 6.0);
            if (h < 0)
                h += 360;
        } else if (mx == g) {
            h = 60 * ((b - r) / d + 2);
        } else {
            h = 60 * ((r - g) / d + 4);
        }
    }

    double h2 = std::fmod(h + 1.8 * hue, 360.0);
    if (h2 < 0)
        h2 += 360;
    const double s2 = std::clamp(s * (1 + saturation / 100.0), 0.0, 1.0);
    const double v = lightness / 200.0;
    const double l2 = v < 0 ? l * (1 + v) : l + v * (1 - l);

    const double c = (1 - std::fabs(2 * l2 - 1)) * s2;
    const double x = c * (1 - std::fabs(std::fmod(h2 / 60, 2.0) - 1));
    const double m = l2 - c / 2;
    double r2 = 0, g2 = 0, b2 = 0;
    switch (int(h2 / 60) % 6) {
    case 0:
        r2 = c, g2 = x, b2 = 0;
        break;
    case 1:
        r2 = x, g2 = c, b2 = 0;
        break;
    case 2:
        r2 = 0, g2 = c, b2 = x;
        break;
    case 3:
        r2 = 0, g2 = x, b2 = c;
        break;
    case 4:
        r2 = x, g2 = 0, b2 = c;
        break;
    default:
        r2 = c, g2 = 0, b2 = x;
        break;
    }
    const auto channel = [](double value) {
        return int(std::clamp(std::nearbyint(255 * value), 0.0, 255.0));
    };
    return qRgb(channel(r2 + m), channel(g2 + m), channel(b2 + m));
}

namespace {

// An image with few colours in long runs (the templates: a key field and some buttons)
// kept as runs of palette indices, so a tint costs one shift per distinct colour and a
// fill per run instead of work per pixel.
struct RunImage {
    QSize size;
    QList<QRgb> palette;
    std::vector<std::pair<quint32, quint32>> runs; // (length, palette index), raster order
};

std::optional<RunImage> toRuns(const QImage& image) {
    if (image.bytesPerLine() != qsizetype(image.width()) * 4)
        return std::nullopt;
    RunImage r;
    r.size = image.size();
    const qsizetype pixels = qsizetype(image.width()) * image.height();
    QHash<QRgb, quint32> index;
    const auto* p = reinterpret_cast<const QRgb*>(image.constBits());
    for (qsizetype i = 0; i < pixels;) {
        const QRgb c = p[i] | 0xFF000000u;
        qsizetype j = i + 1;
        while (j < pixels && (p[j] | 0xFF000000u) == c)
            ++j;
        auto it = index.constFind(c);
        if (it == index.constEnd()) {
            it = index.insert(c, quint32(r.palette.size()));
            r.palette.append(c);
        }
        r.runs.emplace_back(quint32(j - i), *it);
        if (qsizetype(r.runs.size()) > pixels / 16)
            return std::nullopt; // a photo: runs would not pay
        i = j;
    }
    return r;
}

// The last few images tinted, by cache key: the same templates are tinted at every
// slider release.
const std::optional<RunImage>& runsFor(const QImage& image) {
    struct Entry {
        qint64 key;
        std::optional<RunImage> runs;
    };
    thread_local std::deque<Entry> cache;
    for (const Entry& e : cache)
        if (e.key == image.cacheKey())
            return e.runs;
    if (cache.size() == 16)
        cache.pop_front();
    cache.push_back({image.cacheKey(), toRuns(image)});
    return cache.back().runs;
}

} // namespace

QImage adjustHsl(const QImage& image, int hue, int saturation, int lightness) {
    QImage source = toInternal(image);
    if ((hue == 0 && saturation == 0 && lightness == 0) || source.isNull())
        return source;

    if (const auto& runs = runsFor(source)) {
        QList<QRgb> tinted(runs->palette.size());
        for (qsizetype i = 0; i < tinted.size(); ++i)
            tinted[i] = shiftHsl(runs->palette[i], hue, saturation, lightness);
        QImage result(runs->size, QImage::Format_RGB32);
        auto* out = reinterpret_cast<QRgb*>(result.bits());
        for (const auto& [length, index] : runs->runs)
            out = std::fill_n(out, length, tinted[index]);
        return result;
    }

    QImage result = source;
    result.detach();
    QHash<QRgb, QRgb> memo;
    QRgb lastIn = result.pixel(0, 0) | 0xFF000000u;
    QRgb lastOut = shiftHsl(lastIn, hue, saturation, lightness);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb in = line[x] | 0xFF000000u;
            if (in != lastIn) {
                auto it = memo.constFind(in);
                if (it == memo.constEnd())
                    it = memo.insert(in, shiftHsl(in, hue, saturation, lightness));
                lastIn = in;
                lastOut = *it;
            }
            line[x] = lastOut;
        }
    }
    return result;
}

QImage overlay(const QImage& base, const QImage& top, QRgb transparent) {
    QImage result = toInternal(base);
    const QImage over = toInternal(top);
    result.detach();
    const QRgb key = transparent & 0x00FFFFFFu;
    const int w = std::min(result.width(), over.width());
    const int h = std::min(result.height(), over.height());
    for (int y = 0; y < h; ++y) {
        auto* dst = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* src = reinterpret_cast<const QRgb*>(over.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb t = src[x];
            dst[x] = (t & 0x00FFFFFFu) != key ? (t | 0xFF000000u) : dst[x];
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
