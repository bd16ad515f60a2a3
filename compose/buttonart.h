#pragma once

#include "compose/colourmaths.h"
#include "compose/menutint.h"

#include <QImage>
#include <QRect>
#include <QRgb>

#include <utility>
#include <vector>

// The MENU button of the Main artwork, measured once, and how it reads under a tint.
namespace TintSuggestion {

// The contrast the MENU button needs against the picture behind it, and the least the
// word on it keeps against the button's body (less only where the untinted art has less).
inline constexpr double ReadableContrast = 3.0;

// The artwork a suggestion is measured on, read from a Main template.
struct ButtonArt {
    // The MENU button's pixels (the non-key pixels of its area): each distinct colour
    // once, with its number of pixels.
    std::vector<std::pair<QRgb, int>> colours;
    // The button's own hue in the tint's model (degrees): the chroma-weighted mean of its
    // pixels' hues. The tint turns every hue by the same angle, so it turns this one too.
    double hue = 0;
    // The part of the Main surface the buttons are seen against: all the template's
    // artwork and a margin around it.
    QRect behind;
    // The word MENU as a reader sees it, each as distinct colours with their counts: the
    // letters' fill, their light outline, and the body of the button beside the word (in
    // the rows the letters span, clear of their anti-aliased edges and of the rim). Told
    // apart by their untinted colours.
    std::vector<std::pair<QRgb, int>> letters;
    std::vector<std::pair<QRgb, int>> outline;
    std::vector<std::pair<QRgb, int>> body;
};
ButtonArt measureButton(const QImage& mainTemplate);

// The MENU button tinted with `tint`: the relative luminance of its mean colour, and its
// mean OKLab chroma.
double buttonLuminance(const ButtonArt& art, const MenuTint& tint);
double buttonChroma(const ButtonArt& art, const MenuTint& tint);

// The word on the tinted button: WCAG contrast of the mean letter-fill colour and of the
// mean outline colour against the mean body colour.
struct LabelContrast {
    double letters = 0;
    double outline = 0;
};
LabelContrast labelContrast(const ButtonArt& art, const MenuTint& tint);

// The contrasts the word must keep: the untinted art's, or ReadableContrast where that is
// lower.
LabelContrast requiredLabelContrast(const ButtonArt& art);

// The relative luminance of the mean colour of `picture` inside `area`.
double areaLuminance(const QImage& picture, const QRect& area);

} // namespace TintSuggestion
