#include "compose/quantizer.h"

#include "compose/imaging.h"

#include <algorithm>
#include <cmath>

// The quantizer is written here rather than taken from a library: Qt has none, and the
// image libraries that do quantize work in RGB for palettes, not in a perceptual space
// for a handful of telling colours. It is a median cut with variance-minimising cuts
// (Heckbert's boxes, Wu's split criterion) over a histogram of samples, then Lloyd's
// k-means rounds from the boxes' means.

namespace TintSuggestion {

namespace {

// About this many samples of the picture, whatever its size.
constexpr double MaxSamples = 65536;
constexpr int KMeansRounds = 8;

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

} // namespace

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

} // namespace TintSuggestion
