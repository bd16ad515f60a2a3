#include "compose/imaging.h"
#include "compose/menutint.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <deque>
#include <optional>
#include <vector>

// The colour model behind the tint: each colour's hue is turned, its saturation scaled and
// its lightness moved towards black or white. A colour's result depends on that colour
// alone, so images of few colours (the templates) are tinted per colour through a cache of
// their colour runs.
namespace Imaging {

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

namespace {

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
    const double h2 = wrap(c.h + HueDegreesPerStep * hue, 360.0);
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

} // namespace Imaging
