#include "compose/imaging.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <deque>
#include <optional>
#include <vector>

namespace Imaging {

namespace {

// Decoding never allocates more than this for one picture; a larger one is "too large".
constexpr int AllocationLimitMiB = 1024;

// Whether a width x height picture would take more than the limit in Format_RGB32. Header
// sizes reach 2^31 in each axis, so the product is not formed.
bool exceedsAllocationLimit(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width > qint64(AllocationLimitMiB) * 1024 * 1024 / 4 / height;
}

// The JPEG decoder keeps every coefficient of a progressive or non-interleaved picture at
// its stored size, whatever size it is asked to produce, so a small file claiming a huge
// frame would take gigabytes. libjpeg reads this cap when a decoder is created; past it
// the decode fails (reported as "too large", see JpegDamageWatch).
void capJpegDecoderMemory() {
    static const bool capped = [] {
        if (!qEnvironmentVariableIsSet("JPEGMEM"))
            qputenv("JPEGMEM", "512M");
        return true;
    }();
    Q_UNUSED(capped);
}

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

// The size to ask the JPEG reader for: the smallest DCT scale M/8 that keeps the picture at
// least `cover` in both axes, at floor(size * M / 8). The reader picks its DCT scale from
// the size asked for; rounding down keeps it at M (rounding up would tip it to M + 1),
// and when the sizes divide evenly, as camera sizes do, it need not resample at all.
QSize jpegDecodeSize(QSize stored, QSize cover) {
    for (int m = 1; m < 8; ++m) {
        const qint64 w = qint64(stored.width()) * m;
        const qint64 h = qint64(stored.height()) * m;
        if (w / 8 >= cover.width() && h / 8 >= cover.height())
            return QSize(int(w / 8), int(h / 8));
    }
    return stored;
}

// The bitmap reader fills rows missing from a cut file with black and refuses huge
// headers without saying why; the header tells both before any pixel is read.
QString bitmapHeaderProblem(const QByteArray& peeked, qint64 fileSize) {
    if (peeked.size() < 26 || !peeked.startsWith("BM"))
        return QString();
    // A fixed, zero-filled copy: every field below can be read without a size check.
    std::array<uchar, 54> head{};
    std::memcpy(head.data(), peeked.constData(),
                std::size_t(std::min<qsizetype>(peeked.size(), qsizetype(head.size()))));
    const auto u16 = [&](int at) {
        return qFromLittleEndian<quint16>(head.data() + at);
    };
    const auto u32 = [&](int at) {
        return qFromLittleEndian<quint32>(head.data() + at);
    };
    const auto i32 = [&](int at) {
        return qFromLittleEndian<qint32>(head.data() + at);
    };
    const qint64 offset = u32(10);
    const qint64 headerSize = u32(14);
    qint64 width = 0, height = 0, bits = 0, compression = 0;
    if (headerSize == 12) {
        width = u16(18);
        height = u16(20);
        bits = u16(24);
    } else if (headerSize >= 40 && peeked.size() >= 34) {
        width = i32(18);
        height = std::abs(qint64(i32(22)));
        bits = u16(28);
        compression = u32(30);
    } else {
        return QString();
    }
    if (width <= 0 || height <= 0)
        return QString(); // the reader itself refuses these
    if (exceedsAllocationLimit(width, height))
        return QStringLiteral("too large");
    const bool uncompressed = compression == 0 || compression == 3;
    if (uncompressed &&
        (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32)) {
        const qint64 stride = (width * bits + 31) / 32 * 4;
        // The last row's padding may be missing: some writers leave it out.
        const qint64 needed = offset + stride * (height - 1) + (width * bits + 7) / 8;
        if (fileSize < needed)
            return QStringLiteral("damaged: the file ends before the picture does");
    }
    return QString();
}

// The JPEG decoder fills what a cut file lacks with grey and only warns. Its warnings go
// through Qt's logging, so they are caught there while one picture is read.
class JpegDamageWatch {
public:
    explicit JpegDamageWatch(bool active) {
        if (!active)
            return;
        t_watch = this;
        m_previous = qInstallMessageHandler(&JpegDamageWatch::handle);
    }
    ~JpegDamageWatch() {
        if (t_watch == this) {
            qInstallMessageHandler(m_previous);
            t_watch = nullptr;
        }
    }
    JpegDamageWatch(const JpegDamageWatch&) = delete;
    JpegDamageWatch& operator=(const JpegDamageWatch&) = delete;

    bool damaged() const { return m_damaged; }
    bool tooLarge() const { return m_tooLarge; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        JpegDamageWatch* watch = t_watch;
        if (watch && context.category &&
            std::strcmp(context.category, "qt.gui.imageio.jpeg") == 0) {
            // libjpeg's words for data that ends early or loses its place; other warnings
            // (stray bytes between markers) are common in good files.
            if (text.contains(QLatin1String("remature end"), Qt::CaseInsensitive) ||
                text.contains(QLatin1String("instead of RST")))
                watch->m_damaged = true;
            // The decoder's working memory ran past its cap.
            if (text.contains(QLatin1String("Backing store not supported")) ||
                text.contains(QLatin1String("Insufficient memory")))
                watch->m_tooLarge = true;
            return;
        }
        if (watch && watch->m_previous)
            watch->m_previous(type, context, text);
    }

    static thread_local JpegDamageWatch* t_watch;
    QtMessageHandler m_previous = nullptr;
    bool m_damaged = false;
    bool m_tooLarge = false;
};
thread_local JpegDamageWatch* JpegDamageWatch::t_watch = nullptr;

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
    // Before any reader exists: the decoder takes its cap when the reader first looks at
    // the file.
    capJpegDecoderMemory();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError(path, QStringLiteral("cannot be opened: %1").arg(file.errorString()));
    if (QFileInfo(path).isDir())
        throw PictureError(path, QStringLiteral("cannot be opened: it is a folder"));
    if (file.size() == 0)
        throw PictureError(path, QStringLiteral("the file is empty"));
    if (const QString problem = bitmapHeaderProblem(file.peek(54), file.size()); !problem.isEmpty())
        throw PictureError(path, problem);

    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(AllocationLimitMiB);
    if (!reader.canRead())
        throw PictureError(path, QStringLiteral("not a picture"));

    const bool jpeg = reader.format() == "jpeg";
    QSize decode = reader.size();
    if (jpeg && decode.isValid() && !cover.isEmpty()) {
        QSize need = cover;
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            need.transpose();
        decode = jpegDecodeSize(decode, need);
        if (decode != reader.size())
            reader.setScaledSize(decode);
    }
    if (decode.isValid() && exceedsAllocationLimit(decode.width(), decode.height()))
        throw PictureError(path, QStringLiteral("too large"));

    const JpegDamageWatch watch(jpeg);
    const QImage image = reader.read();
    if (watch.tooLarge())
        throw PictureError(path, QStringLiteral("too large"));
    if (image.isNull())
        throw PictureError(path, reasonFor(reader));
    if (watch.damaged())
        throw PictureError(path, QStringLiteral("damaged: the file ends before the picture does"));
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

// A colour's hue (degrees, 0 to 360), saturation and lightness (0 to 1).
struct Hsl {
    double h = 0;
    double s = 0;
    double l = 0;
};

Hsl toHsl(QRgb rgb) {
    const double r = qRed(rgb) / 255.0;
    const double g = qGreen(rgb) / 255.0;
    const double b = qBlue(rgb) / 255.0;
    const double mx = std::max({r, g, b});
    const double mn = std::min({r, g, b});
    const double d = mx - mn;
    Hsl c;
    c.l = (mx + mn) / 2;
    if (d != 0) {
        c.s = c.l <= 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
        if (mx == r) {
            c.h = 60 * std::fmod((g - b) / d, 6.0);
            if (c.h < 0)
                c.h += 360;
        } else if (mx == g) {
            c.h = 60 * ((b - r) / d + 2);
        } else {
            c.h = 60 * ((r - g) / d + 4);
        }
    }
    return c;
}

// x mod m in [0, m), as std::fmod and a correction give it, without fmod's cost in the
// range a tint reaches (the subtraction is exact there); this runs once per colour at
// every slider step.
double wrap(double x, double m) {
    if (x >= 0 && x < m)
        return x;
    if (x >= m && x < 2 * m)
        return x - m;
    if (x < 0 && x >= -m)
        return x + m; // std::fmod keeps x, and the caller adds m
    const double r = std::fmod(x, m);
    return r < 0 ? r + m : r;
}

QRgb fromShiftedHsl(const Hsl& c, int hue, int saturation, int lightness) {
    const double h2 = wrap(c.h + 1.8 * hue, 360.0);
    const double s2 = std::clamp(c.s * (1 + saturation / 100.0), 0.0, 1.0);
    const double v = lightness / 200.0;
    const double l2 = v < 0 ? c.l * (1 + v) : c.l + v * (1 - c.l);

    const double chroma = (1 - std::fabs(2 * l2 - 1)) * s2;
    const double sector = h2 / 60; // 0 to 6: the remainder by 2 is exact as a subtraction
    const double x = chroma * (1 - std::fabs(sector - 2 * std::floor(sector / 2) - 1));
    const double m = l2 - chroma / 2;
    double r2 = 0, g2 = 0, b2 = 0;
    switch (int(sector) % 6) {
    case 0:
        r2 = chroma, g2 = x, b2 = 0;
        break;
    case 1:
        r2 = x, g2 = chroma, b2 = 0;
        break;
    case 2:
        r2 = 0, g2 = chroma, b2 = x;
        break;
    case 3:
        r2 = 0, g2 = x, b2 = chroma;
        break;
    case 4:
        r2 = x, g2 = 0, b2 = chroma;
        break;
    default:
        r2 = chroma, g2 = 0, b2 = x;
        break;
    }
    const auto channel = [](double value) {
        return int(std::clamp(std::nearbyint(255 * value), 0.0, 255.0));
    };
    return qRgb(channel(r2 + m), channel(g2 + m), channel(b2 + m));
}

} // namespace

QRgb shiftHsl(QRgb rgb, int hue, int saturation, int lightness) {
    return fromShiftedHsl(toHsl(rgb), hue, saturation, lightness);
}

namespace {

// An image with few colours in long runs (the templates: a key field and some buttons)
// kept as runs of palette indices, so a tint costs one shift per distinct colour and a
// fill per run instead of work per pixel.
struct RunImage {
    QSize size;
    std::vector<Hsl> palette;
    std::vector<std::pair<quint32, quint32>> runs; // (length, palette index), raster order
};

// More colours than this and the picture is a photo, not artwork.
constexpr std::size_t MaxRunColours = 4096;

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
            if (r.palette.size() == MaxRunColours)
                return std::nullopt;
            it = index.insert(c, quint32(r.palette.size()));
            r.palette.push_back(toHsl(c));
        }
        r.runs.emplace_back(quint32(j - i), *it);
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
        std::vector<QRgb> tinted(runs->palette.size());
        for (std::size_t i = 0; i < tinted.size(); ++i)
            tinted[i] = fromShiftedHsl(runs->palette[i], hue, saturation, lightness);
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
