#include "compose/tintsuggestion.h"

#include "art/builtinart.h"
#include "compose/colorvalue.h"
#include "compose/imaging.h"
#include "compose/skinworkspace.h"

#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>

// The quantizer is written here rather than taken from a library: Qt has none, and the
// image libraries that do quantize work in RGB for palettes, not in a perceptual space
// for a handful of telling colours. It is a median cut with variance-minimising cuts
// (Heckbert's boxes, Wu's split criterion) over a histogram of samples, then Lloyd's
// k-means rounds from the boxes' means.

namespace TintSuggestion {

double hueDegrees(const Oklab& lab) {
    const double h = std::atan2(lab.b, lab.a) * 180 / std::numbers::pi;
    return h < 0 ? h + 360 : h;
}

double hueDistance(double h1, double h2) {
    const double d = std::fabs(h1 - h2);
    return std::min(d, 360 - d);
}

namespace {

// About this many samples of the picture, whatever its size.
constexpr double MaxSamples = 65536;
constexpr int KMeansRounds = 8;
// The picture around the artwork that counts as behind it, in pixels.
constexpr int BehindMargin = 8;

double toLinear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double fromLinear(double c) {
    return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
}

// The 256 channel values in linear light.
const std::array<double, 256>& linearChannel() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[std::size_t(i)] = toLinear(i / 255.0);
        return t;
    }();
    return table;
}

// Linear sRGB to OKLab, by the published matrices (Björn Ottosson, 2020).
Oklab oklabFromLinear(double r, double g, double b) {
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

double axis(const Oklab& c, int k) {
    return k == 0 ? c.L : k == 1 ? c.a : c.b;
}

double distance2(const Oklab& p, const Oklab& q) {
    const double dL = p.L - q.L, da = p.a - q.a, db = p.b - q.b;
    return dL * dL + da * da + db * db;
}

// One occupied histogram cell: the mean colour of its samples and how many there were.
struct Point {
    Oklab lab;
    double weight = 0;
};

// A fixed grid over the picture, so the cost is bounded and the same picture always gives
// the same samples, binned by 5 bits per channel: photos have a few thousand occupied
// cells, and the quantizer works on those instead of on every sample.
std::vector<Point> histogramPoints(const QImage& picture) {
    const QImage image = Imaging::toInternal(picture);
    const int w = image.width();
    const int h = image.height();
    if (w <= 0 || h <= 0)
        return {};
    const int step = std::max(1, int(std::ceil(std::sqrt(double(w) * h / MaxSamples))));

    struct Cell {
        quint32 count = 0;
        quint32 r = 0, g = 0, b = 0;
    };
    std::vector<Cell> cells(1u << 15);
    for (int y = step / 2; y < h; y += step) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = step / 2; x < w; x += step) {
            const QRgb c = line[x];
            Cell& cell = cells[(quint32(qRed(c)) >> 3) << 10 | (quint32(qGreen(c)) >> 3) << 5 |
                               quint32(qBlue(c)) >> 3];
            ++cell.count;
            cell.r += quint32(qRed(c));
            cell.g += quint32(qGreen(c));
            cell.b += quint32(qBlue(c));
        }
    }
    std::vector<Point> points;
    for (const Cell& cell : cells) {
        if (cell.count == 0)
            continue;
        const double n = 255.0 * cell.count;
        points.push_back(
            {oklabFromLinear(toLinear(cell.r / n), toLinear(cell.g / n), toLinear(cell.b / n)),
             double(cell.count)});
    }
    return points;
}

// A box of the median cut: a range of the points, with their weight, mean and spread.
struct Box {
    std::size_t begin = 0;
    std::size_t end = 0;
    double weight = 0;
    Oklab mean;
    std::array<double, 3> sse{}; // weighted squared error per axis
    double error() const { return sse[0] + sse[1] + sse[2]; }
};

Box makeBox(const std::vector<Point>& points, std::size_t begin, std::size_t end) {
    Box box;
    box.begin = begin;
    box.end = end;
    std::array<double, 3> sum{};
    for (std::size_t i = begin; i < end; ++i) {
        box.weight += points[i].weight;
        for (int k = 0; k < 3; ++k)
            sum[std::size_t(k)] += points[i].weight * axis(points[i].lab, k);
    }
    box.mean = {sum[0] / box.weight, sum[1] / box.weight, sum[2] / box.weight};
    for (std::size_t i = begin; i < end; ++i)
        for (int k = 0; k < 3; ++k) {
            const double d = axis(points[i].lab, k) - axis(box.mean, k);
            box.sse[std::size_t(k)] += points[i].weight * d * d;
        }
    return box;
}

// Sorts the box's points along its widest axis and cuts where the two halves' variance
// is least (the largest between-halves variance), never between two equal values.
std::size_t cutPosition(std::vector<Point>& points, const Box& box) {
    const int k = int(std::max_element(box.sse.begin(), box.sse.end()) - box.sse.begin());
    std::stable_sort(
        points.begin() + std::ptrdiff_t(box.begin), points.begin() + std::ptrdiff_t(box.end),
        [k](const Point& p, const Point& q) { return axis(p.lab, k) < axis(q.lab, k); });
    double total = 0;
    for (std::size_t i = box.begin; i < box.end; ++i)
        total += points[i].weight * axis(points[i].lab, k);
    double w1 = 0, s1 = 0, best = -1;
    std::size_t cut = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
        w1 += points[i].weight;
        s1 += points[i].weight * axis(points[i].lab, k);
        if (axis(points[i].lab, k) == axis(points[i + 1].lab, k))
            continue;
        const double w2 = box.weight - w1;
        const double s2 = total - s1;
        const double between = s1 * s1 / w1 + s2 * s2 / w2;
        if (between > best) {
            best = between;
            cut = i + 1;
        }
    }
    return cut;
}

std::vector<Oklab> medianCut(std::vector<Point>& points, int maxColours) {
    std::vector<Box> boxes{makeBox(points, 0, points.size())};
    while (int(boxes.size()) < maxColours) {
        int widest = -1;
        for (int i = 0; i < int(boxes.size()); ++i) {
            const Box& b = boxes[std::size_t(i)];
            if (b.end - b.begin >= 2 && b.error() > 0 &&
                (widest < 0 || b.error() > boxes[std::size_t(widest)].error()))
                widest = i;
        }
        if (widest < 0)
            break;
        const Box box = boxes[std::size_t(widest)];
        const std::size_t cut = cutPosition(points, box);
        boxes[std::size_t(widest)] = makeBox(points, box.begin, cut);
        boxes.push_back(makeBox(points, cut, box.end));
    }
    std::vector<Oklab> means;
    means.reserve(boxes.size());
    for (const Box& b : boxes)
        means.push_back(b.mean);
    return means;
}

// Lloyd's rounds: each point to its nearest centre (the first on a tie), each centre to
// the weighted mean of its points; until nothing moves or the rounds are used up.
std::vector<PictureColour> kMeans(const std::vector<Point>& points, std::vector<Oklab> centres) {
    std::vector<int> owner(points.size(), -1);
    std::vector<double> weight(centres.size());
    for (int round = 0; round < KMeansRounds; ++round) {
        bool moved = false;
        for (std::size_t i = 0; i < points.size(); ++i) {
            int nearest = 0;
            double best = distance2(points[i].lab, centres[0]);
            for (std::size_t c = 1; c < centres.size(); ++c) {
                const double d = distance2(points[i].lab, centres[c]);
                if (d < best) {
                    best = d;
                    nearest = int(c);
                }
            }
            moved = moved || owner[i] != nearest;
            owner[i] = nearest;
        }
        if (!moved)
            break;
        std::vector<Oklab> sums(centres.size());
        std::fill(weight.begin(), weight.end(), 0.0);
        for (std::size_t i = 0; i < points.size(); ++i) {
            const std::size_t c = std::size_t(owner[i]);
            const double w = points[i].weight;
            weight[c] += w;
            sums[c].L += w * points[i].lab.L;
            sums[c].a += w * points[i].lab.a;
            sums[c].b += w * points[i].lab.b;
        }
        for (std::size_t c = 0; c < centres.size(); ++c)
            if (weight[c] > 0)
                centres[c] = {sums[c].L / weight[c], sums[c].a / weight[c], sums[c].b / weight[c]};
    }

    std::fill(weight.begin(), weight.end(), 0.0);
    double total = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        weight[std::size_t(owner[i])] += points[i].weight;
        total += points[i].weight;
    }
    std::vector<PictureColour> colours;
    for (std::size_t c = 0; c < centres.size(); ++c)
        if (weight[c] > 0)
            colours.push_back({centres[c], weight[c] / total, 0});
    return colours;
}

// Every deterministic tie-break ends here: the colour itself.
bool colourBefore(const PictureColour& p, const PictureColour& q) {
    if (p.lab.L != q.lab.L)
        return p.lab.L < q.lab.L;
    if (p.lab.a != q.lab.a)
        return p.lab.a < q.lab.a;
    return p.lab.b < q.lab.b;
}

// The mean of the button's colours after the tint, in 0..255 per channel.
std::array<double, 3> meanTinted(const ButtonArt& art, const MenuTint& tint) {
    double r = 0, g = 0, b = 0, n = 0;
    for (const auto& [colour, count] : art.colours) {
        const QRgb t = Imaging::shiftHsl(colour, tint.hue, tint.saturation, tint.lightness);
        r += double(count) * qRed(t);
        g += double(count) * qGreen(t);
        b += double(count) * qBlue(t);
        n += count;
    }
    return {r / n, g / n, b / n};
}

// The relative luminance of the mean of `colours` after the tint.
double tintedLuminance(const std::vector<std::pair<QRgb, int>>& colours, const MenuTint& tint) {
    double r = 0, g = 0, b = 0, n = 0;
    for (const auto& [colour, count] : colours) {
        const QRgb t = Imaging::shiftHsl(colour, tint.hue, tint.saturation, tint.lightness);
        r += double(count) * qRed(t);
        g += double(count) * qGreen(t);
        b += double(count) * qBlue(t);
        n += count;
    }
    return relativeLuminance(r / n, g / n, b / n);
}

// The parts of the MENU button a reader sees, told apart by their untinted colours inside
// the button's face (tools/artgen.cpp: a rim, a dark blue body with a gloss, the word
// stroked in light cyan and filled with a blue gradient).
void measureLabel(const QImage& image, ButtonArt& art) {
    const QRect area = BuiltInArt::MainMenuButtonArea;
    if (!image.rect().contains(area))
        return;
    // The face inside the rim, a pixel clear of the rim's anti-aliased edge.
    QPainterPath face;
    face.addRoundedRect(QRectF(2.8, 2.8, area.width() - 5.6, area.height() - 5.6), 7.4, 7.4);
    enum class Part { Outside, Letters, Outline, Other };
    const auto partOf = [](QRgb c) {
        if (qGreen(c) >= 225 && qBlue(c) >= 235)
            return Part::Outline;
        if (qBlue(c) >= 205 && qRed(c) <= 80 && qGreen(c) <= 160)
            return Part::Letters;
        return Part::Other;
    };
    const int w = area.width(), h = area.height();
    const auto at = [w](int x, int y) {
        return std::size_t(y) * std::size_t(w) + std::size_t(x);
    };
    std::vector<Part> parts(std::size_t(w) * std::size_t(h), Part::Outside);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (face.contains(QPointF(x + 0.5, y + 0.5)))
                parts[at(x, y)] = partOf(image.pixel(area.left() + x, area.top() + y));
    // The body is taken two pixels clear of the word: nearer, the letters' edges blend
    // into it.
    const auto nearWord = [&](int x, int y) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                    continue;
                const Part p = parts[at(nx, ny)];
                if (p == Part::Letters || p == Part::Outline)
                    return true;
            }
        return false;
    };
    // The body beside the word: the rows the letters span. The gloss above and the dark
    // edge below are not what the letters are read against.
    int top = h, bottom = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (parts[at(x, y)] == Part::Letters) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    std::map<QRgb, int> letters, outline, body;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(area.left() + x, area.top() + y) | 0xFF000000u;
            switch (parts[at(x, y)]) {
            case Part::Letters:
                ++letters[c];
                break;
            case Part::Outline:
                ++outline[c];
                break;
            case Part::Other:
                if (y >= top && y <= bottom && !nearWord(x, y))
                    ++body[c];
                break;
            case Part::Outside:
                break;
            }
        }
    if (letters.empty() || outline.empty() || body.empty())
        return;
    art.letters.assign(letters.begin(), letters.end());
    art.outline.assign(outline.begin(), outline.end());
    art.body.assign(body.begin(), body.end());
}

// The saturation whose tinted button comes closest to `targetChroma`. The button's
// chroma grows with the saturation amount (every pixel's saturation is scaled by it), so
// a bisection finds the first amount that reaches the target; it or the one before it is
// the closest (the less saturated one on a tie).
qint16 chooseSaturation(const ButtonArt& art, qint16 hue, double targetChroma) {
    const auto chromaAt = [&](int s) {
        return buttonChroma(art, MenuTint{hue, qint16(s), 0});
    };
    if (chromaAt(100) < targetChroma)
        return 100;
    int lo = -100; // below the target (a fully grey button has no chroma) or equal
    int hi = 100;  // at or above it
    if (chromaAt(lo) >= targetChroma)
        return qint16(lo);
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        (chromaAt(mid) >= targetChroma ? hi : lo) = mid;
    }
    return qint16(
        std::fabs(chromaAt(hi) - targetChroma) < std::fabs(chromaAt(lo) - targetChroma) ? hi : lo);
}

} // namespace

Oklab toOklab(QRgb rgb) {
    const auto& lin = linearChannel();
    return oklabFromLinear(lin[std::size_t(qRed(rgb))], lin[std::size_t(qGreen(rgb))],
                           lin[std::size_t(qBlue(rgb))]);
}

QRgb fromOklab(const Oklab& lab) {
    const double l = std::pow(lab.L + 0.3963377774 * lab.a + 0.2158037573 * lab.b, 3);
    const double m = std::pow(lab.L - 0.1055613458 * lab.a - 0.0638541728 * lab.b, 3);
    const double s = std::pow(lab.L - 0.0894841775 * lab.a - 1.2914855480 * lab.b, 3);
    const auto channel = [](double linear) {
        const double c = fromLinear(std::clamp(linear, 0.0, 1.0));
        return int(std::clamp(std::nearbyint(255 * c), 0.0, 255.0));
    };
    return qRgb(channel(4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s),
                channel(-1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s),
                channel(-0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s));
}

double chroma(const Oklab& lab) {
    return std::hypot(lab.a, lab.b);
}

double relativeLuminance(double red, double green, double blue) {
    return 0.2126 * toLinear(red / 255) + 0.7152 * toLinear(green / 255) +
           0.0722 * toLinear(blue / 255);
}

double contrastRatio(double luminance1, double luminance2) {
    const auto [dark, light] = std::minmax(luminance1, luminance2);
    return (light + 0.05) / (dark + 0.05);
}

std::vector<PictureColour> quantize(const QImage& picture, int maxColours) {
    std::vector<Point> points = histogramPoints(picture);
    if (points.empty() || maxColours < 1)
        return {};
    std::vector<PictureColour> colours = kMeans(points, medianCut(points, maxColours));
    std::sort(colours.begin(), colours.end(), [](const PictureColour& p, const PictureColour& q) {
        return p.share != q.share ? p.share > q.share : colourBefore(p, q);
    });
    return colours;
}

std::vector<PictureColour> rankColours(std::vector<PictureColour> colours) {
    std::vector<PictureColour> scored;
    for (PictureColour& c : colours) {
        const double vividness = chroma(c.lab) - GreyChroma;
        if (vividness <= 0 || c.share < MinimumShare)
            continue;
        c.score = vividness * std::sqrt(c.share);
        scored.push_back(c);
    }
    std::sort(scored.begin(), scored.end(), [](const PictureColour& p, const PictureColour& q) {
        if (p.score != q.score)
            return p.score > q.score;
        return p.share != q.share ? p.share > q.share : colourBefore(p, q);
    });
    std::vector<PictureColour> kept;
    for (const PictureColour& c : scored) {
        const bool sameAsBetter =
            std::any_of(kept.begin(), kept.end(), [&](const PictureColour& k) {
                return hueDistance(hueDegrees(k.lab), hueDegrees(c.lab)) < SameHue;
            });
        if (!sameAsBetter)
            kept.push_back(c);
    }
    return kept;
}

ButtonArt measureButton(const QImage& mainTemplate) {
    const QImage image = Imaging::toInternal(mainTemplate);
    constexpr QRgb key = rgbFromColorValue(KeyColor);
    const auto isKey = [](QRgb c) {
        return (c | 0xFF000000u) == key;
    };

    ButtonArt art;
    std::map<QRgb, int> counts;
    const QRect area = BuiltInArt::MainMenuButtonArea.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if (!isKey(line[x]))
                ++counts[line[x] | 0xFF000000u];
    }
    if (counts.empty())
        throw std::runtime_error("The Main artwork has no MENU button to match the tint to.");
    art.colours.assign(counts.begin(), counts.end());

    // A circular mean: hues near 0 and near 360 are neighbours. Each pixel counts by its
    // chroma, so the grey-ish gloss barely sways it.
    double x = 0, y = 0;
    for (const auto& [colour, count] : art.colours) {
        const double c = (std::max({qRed(colour), qGreen(colour), qBlue(colour)}) -
                          std::min({qRed(colour), qGreen(colour), qBlue(colour)})) /
                         255.0;
        const double h = Imaging::toHsl(colour).h * std::numbers::pi / 180;
        x += count * c * std::cos(h);
        y += count * c * std::sin(h);
    }
    art.hue = std::atan2(y, x) * 180 / std::numbers::pi;
    if (art.hue < 0)
        art.hue += 360;

    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int row = 0; row < image.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        for (int col = 0; col < image.width(); ++col)
            if (!isKey(line[col])) {
                left = std::min(left, col);
                right = std::max(right, col);
                top = std::min(top, row);
                bottom = std::max(bottom, row);
            }
    }
    art.behind = QRect(QPoint(left, top), QPoint(right, bottom))
                     .adjusted(-BehindMargin, -BehindMargin, BehindMargin, BehindMargin)
                     .intersected(image.rect());
    measureLabel(image, art);
    return art;
}

LabelContrast labelContrast(const ButtonArt& art, const MenuTint& tint) {
    // Artwork without a word to read (a test's plain template) has nothing to keep.
    if (art.letters.empty())
        return {1, 1};
    const double body = tintedLuminance(art.body, tint);
    return {contrastRatio(tintedLuminance(art.letters, tint), body),
            contrastRatio(tintedLuminance(art.outline, tint), body)};
}

LabelContrast requiredLabelContrast(const ButtonArt& art) {
    const LabelContrast untinted = labelContrast(art, MenuTint{});
    return {std::min(untinted.letters, ReadableContrast),
            std::min(untinted.outline, ReadableContrast)};
}

std::optional<LightnessChoice> chooseReadableLightness(const ButtonArt& art, qint16 hue,
                                                       qint16 saturation,
                                                       double backgroundLuminance) {
    const LabelContrast required = requiredLabelContrast(art);
    // The word's contrasts rise and fall with the lightness in no one direction (the
    // letters and the body meet at some amounts), so every amount is looked at.
    std::optional<LightnessChoice> best;
    const auto nearer = [](const LightnessChoice& p, const LightnessChoice& q) {
        // Reaching ReadableContrast: the smaller change, then the higher contrast, then the
        // darker; short of it: the higher contrast, then the smaller change.
        const bool pReaches = p.contrast >= ReadableContrast;
        const bool qReaches = q.contrast >= ReadableContrast;
        if (pReaches != qReaches)
            return pReaches;
        const int pChange = std::abs(p.lightness), qChange = std::abs(q.lightness);
        if (pReaches) {
            if (pChange != qChange)
                return pChange < qChange;
            if (p.contrast != q.contrast)
                return p.contrast > q.contrast;
            return p.lightness < q.lightness;
        }
        if (p.contrast != q.contrast)
            return p.contrast > q.contrast;
        return pChange != qChange ? pChange < qChange : p.lightness < q.lightness;
    };
    for (int l = -100; l <= 100; ++l) {
        const MenuTint tint{hue, saturation, qint16(l)};
        const LabelContrast label = labelContrast(art, tint);
        if (label.letters < required.letters || label.outline < required.outline)
            continue;
        const LightnessChoice choice{
            qint16(l), contrastRatio(buttonLuminance(art, tint), backgroundLuminance)};
        if (!best || nearer(choice, *best))
            best = choice;
    }
    return best;
}

double buttonLuminance(const ButtonArt& art, const MenuTint& tint) {
    const auto [r, g, b] = meanTinted(art, tint);
    return relativeLuminance(r, g, b);
}

double buttonChroma(const ButtonArt& art, const MenuTint& tint) {
    double sum = 0, n = 0;
    for (const auto& [colour, count] : art.colours) {
        sum +=
            count *
            chroma(toOklab(Imaging::shiftHsl(colour, tint.hue, tint.saturation, tint.lightness)));
        n += count;
    }
    return sum / n;
}

double areaLuminance(const QImage& picture, const QRect& area) {
    const QImage image = Imaging::toInternal(picture);
    QRect inside = area.intersected(image.rect());
    if (inside.isEmpty())
        inside = image.rect();
    if (inside.isEmpty())
        throw std::invalid_argument("There is no picture to measure.");
    double r = 0, g = 0, b = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x) {
            r += qRed(line[x]);
            g += qGreen(line[x]);
            b += qBlue(line[x]);
        }
    }
    const double n = double(inside.width()) * inside.height();
    return relativeLuminance(r / n, g / n, b / n);
}

LightnessChoice chooseLightness(const ButtonArt& art, qint16 hue, qint16 saturation,
                                double backgroundLuminance) {
    const auto luminanceAt = [&](int l) {
        return buttonLuminance(art, MenuTint{hue, saturation, qint16(l)});
    };
    const auto contrastAt = [&](int l) {
        return contrastRatio(luminanceAt(l), backgroundLuminance);
    };
    const double atZero = contrastAt(0);
    if (atZero >= ReadableContrast)
        return {0, atZero};

    // Every channel of every tinted pixel grows with the lightness amount, and so does
    // the button's luminance: readable darker amounts form a run from -100 up, readable
    // lighter ones a run up to 100. Bisection finds the end of each run nearest 0.
    const auto readableDark = [&](int l) {
        const double y = luminanceAt(l);
        return y <= backgroundLuminance &&
               contrastRatio(y, backgroundLuminance) >= ReadableContrast;
    };
    const auto readableLight = [&](int l) {
        const double y = luminanceAt(l);
        return y >= backgroundLuminance &&
               contrastRatio(y, backgroundLuminance) >= ReadableContrast;
    };
    std::optional<int> dark, light;
    if (readableDark(-100)) {
        int lo = -100, hi = 0; // readable at lo, not at hi
        while (hi - lo > 1) {
            const int mid = (lo + hi) / 2;
            (readableDark(mid) ? lo : hi) = mid;
        }
        dark = lo;
    }
    if (readableLight(100)) {
        int lo = 0, hi = 100; // not readable at lo, readable at hi
        while (hi - lo > 1) {
            const int mid = (lo + hi) / 2;
            (readableLight(mid) ? hi : lo) = mid;
        }
        light = hi;
    }

    if (dark || light) {
        // The smaller change; on a tie the higher contrast, then the darker.
        int pick = dark ? *dark : *light;
        if (dark && light) {
            const int changeDark = -*dark, changeLight = *light;
            if (changeLight < changeDark ||
                (changeLight == changeDark && contrastAt(*light) > contrastAt(*dark)))
                pick = *light;
        }
        return {qint16(pick), contrastAt(pick)};
    }
    // Out of reach: the contrast falls towards the background's luminance and rises
    // beyond it, so the best is at one end.
    const double darkest = contrastAt(-100), lightest = contrastAt(100);
    return lightest > darkest ? LightnessChoice{100, lightest} : LightnessChoice{-100, darkest};
}

Suggestion suggest(const QImage& mainPicture, const ButtonArt& art) {
    if (art.colours.empty())
        throw std::invalid_argument("There is no MENU button to match the tint to.");
    const std::vector<PictureColour> ranked = rankColours(quantize(mainPicture));
    Suggestion out;
    if (ranked.empty()) {
        // No colour to follow: a neutral grey button.
        out.tint = MenuTint{0, -100, 0};
    } else {
        const PictureColour& colour = ranked.front();
        out.colour = colour;
        // The tint turns every hue of the artwork by the same angle per step.
        double turn = Imaging::toHsl(fromOklab(colour.lab)).h - art.hue;
        if (turn > 180)
            turn -= 360;
        else if (turn <= -180)
            turn += 360;
        out.tint.hue = qint16(std::clamp(std::nearbyint(turn / HueDegreesPerStep), -100.0, 100.0));
        out.tint.saturation = chooseSaturation(art, out.tint.hue, chroma(colour.lab));
    }
    const double background = areaLuminance(mainPicture, art.behind);

    // The word comes first. Colour is given up before it: the saturation falls from the
    // picture's until some lightness keeps the word readable, in steps of 10 and then
    // narrowed to the highest such saturation.
    const auto readableAt = [&](int saturation) {
        return chooseReadableLightness(art, out.tint.hue, qint16(saturation), background);
    };
    std::optional<LightnessChoice> choice = readableAt(out.tint.saturation);
    if (!choice) {
        int failing = out.tint.saturation;
        int readable = failing;
        while (!choice && failing > -100) {
            readable = std::max(-100, failing - 10);
            choice = readableAt(readable);
            if (!choice)
                failing = readable;
        }
        if (choice) {
            while (failing - readable > 1) {
                const int mid = (failing + readable) / 2;
                if (std::optional<LightnessChoice> c = readableAt(mid)) {
                    readable = mid;
                    choice = c;
                } else {
                    failing = mid;
                }
            }
            out.tint.saturation = qint16(readable);
        }
    }
    if (!choice) {
        // Not even grey keeps the word readable at this hue: the artwork's own colours do.
        out.tint.hue = 0;
        out.tint.saturation = 0;
        choice = chooseReadableLightness(art, 0, 0, background);
    }
    const LightnessChoice lightness =
        choice ? *choice : chooseLightness(art, out.tint.hue, out.tint.saturation, background);
    out.tint.lightness = lightness.lightness;
    out.contrast = lightness.contrast;
    out.label = labelContrast(art, out.tint);
    return out;
}

} // namespace TintSuggestion

TintSuggestion::Suggestion suggestMenuTint(const QImage& mainPicture, const QImage& mainTemplate) {
    // The artwork is measured once per template, not at every press.
    struct Measured {
        qint64 key = 0;
        TintSuggestion::ButtonArt art;
    };
    thread_local std::optional<Measured> measured;
    if (!measured || measured->key != mainTemplate.cacheKey())
        measured = Measured{mainTemplate.cacheKey(), TintSuggestion::measureButton(mainTemplate)};
    return TintSuggestion::suggest(mainPicture, measured->art);
}

TintSuggestion::Suggestion suggestMenuTint(const SkinWorkspace& ws) {
    if (!ws.hasSkin())
        throw std::logic_error("There is no picture to suggest a tint from yet. Load an image "
                               "first.");
    return suggestMenuTint(ws.MainPic.Picture, ws.MainMerge.Picture);
}
