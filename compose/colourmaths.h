#pragma once

#include <QRgb>

// The colour maths of the tint suggestion: OKLab for what the eye sees as one colour, WCAG
// luminance and contrast for what stays readable.
namespace TintSuggestion {

// OKLab: lightness L (0 black to 1 white) and the opponent axes a (green-red) and b
// (blue-yellow), in which distances and chroma follow what the eye sees.
struct Oklab {
    double L = 0;
    double a = 0;
    double b = 0;
};
Oklab toOklab(QRgb rgb);
// The nearest sRGB colour (out-of-gamut values are clamped per channel).
QRgb fromOklab(const Oklab& lab);
double chroma(const Oklab& lab);
// The hue angle in degrees, 0 to 360, and the shorter way round between two hues.
double hueDegrees(const Oklab& lab);
double hueDistance(double h1, double h2);

// An sRGB channel (0 to 1) in linear light, and linear sRGB (0 to 1 each) in OKLab.
double toLinear(double c);
Oklab oklabFromLinear(double r, double g, double b);

// WCAG relative luminance (0 to 1) of an sRGB colour given as 0..255 channels.
double relativeLuminance(double red, double green, double blue);
// WCAG contrast ratio of two relative luminances: 1 to 21, whichever is lighter.
double contrastRatio(double luminance1, double luminance2);

} // namespace TintSuggestion
