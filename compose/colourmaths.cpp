#include "compose/colourmaths.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace TintSuggestion {

namespace {

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

} // namespace

double toLinear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
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

double hueDegrees(const Oklab& lab) {
    const double h = std::atan2(lab.b, lab.a) * 180 / std::numbers::pi;
    return h < 0 ? h + 360 : h;
}

double hueDistance(double h1, double h2) {
    const double d = std::fabs(h1 - h2);
    return std::min(d, 360 - d);
}

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

} // namespace TintSuggestion
