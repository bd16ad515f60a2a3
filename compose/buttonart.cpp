#include "compose/buttonart.h"

#include "art/builtinart.h"
#include "compose/colourvalue.h"
#include "compose/imaging.h"

#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>

namespace TintSuggestion {

namespace {

// The picture around the artwork that counts as behind it, in pixels.
constexpr int BehindMargin = 8;

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

} // namespace

ButtonArt measureButton(const QImage& mainTemplate) {
    const QImage image = Imaging::toInternal(mainTemplate);
    constexpr QRgb key = rgbFromColourValue(KeyColour);
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

} // namespace TintSuggestion
