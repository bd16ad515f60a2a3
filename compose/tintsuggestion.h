#pragma once

#include "compose/menutint.h"

#include <QImage>
#include <QRect>
#include <QRgb>

#include <optional>
#include <utility>
#include <vector>

class SkinWorkspace;

// A menu tint suggested from the picture: the artwork takes the picture's most telling
// colour, at a lightness that keeps the MENU button readable on the picture behind it.
// Everything here is a pure function of its inputs: the same picture always gives the
// same three values.
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

// WCAG relative luminance (0 to 1) of an sRGB colour given as 0..255 channels.
double relativeLuminance(double red, double green, double blue);
// WCAG contrast ratio of two relative luminances: 1 to 21, whichever is lighter.
double contrastRatio(double luminance1, double luminance2);

// Below this chroma a colour counts as grey: JPEG noise and the faint casts of a
// black-and-white photo stay under it.
inline constexpr double GreyChroma = 0.03;
// A colour must cover this much of the picture to be suggested.
inline constexpr double MinimumShare = 0.005;
// Candidates whose hues lie closer than this (degrees of OKLab hue) are one colour.
inline constexpr double SameHue = 25.0;
// The contrast the MENU button needs against the picture behind it, and the least the
// word on it keeps against the button's body (less only where the untinted art has less).
inline constexpr double ReadableContrast = 3.0;

// One colour of the picture.
struct PictureColour {
    Oklab lab;
    double share = 0; // of the sampled picture, 0 to 1
    double score = 0; // set by rankColours
};

// The picture's main colours, largest share first: a median cut in OKLab over a fixed
// grid of samples, refined by a few k-means rounds. At most `maxColours`; none for an
// empty picture.
std::vector<PictureColour> quantize(const QImage& picture, int maxColours = 16);

// The colours worth suggesting, best first. A colour scores by its chroma above grey
// and by the square root of its share, so a small vivid area beats a large dull one.
// Greys and colours under MinimumShare are dropped, and so is every colour whose hue
// lies within SameHue of a better one.
std::vector<PictureColour> rankColours(std::vector<PictureColour> colours);

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

// The lightness for a hue and saturation: 0 if the button already has ReadableContrast
// against the background, else the one nearest 0 that gives it, else the one with the
// highest contrast.
struct LightnessChoice {
    qint16 lightness = 0;
    double contrast = 0;
};
LightnessChoice chooseLightness(const ButtonArt& art, qint16 hue, qint16 saturation,
                                double backgroundLuminance);

// The same choice among the lightness amounts that keep the word readable
// (requiredLabelContrast); none when no amount does at this hue and saturation.
std::optional<LightnessChoice> chooseReadableLightness(const ButtonArt& art, qint16 hue,
                                                       qint16 saturation,
                                                       double backgroundLuminance);

struct Suggestion {
    MenuTint tint;
    // The MENU button against the picture behind the buttons, with this tint.
    double contrast = 0;
    // The word on the button, with this tint.
    LabelContrast label;
    // The colour the tint follows; none when the picture has no colour (the buttons then
    // turn grey).
    std::optional<PictureColour> colour;
};

// The suggestion for a scaled Main picture (800 x 629, as the Main surface shows it).
Suggestion suggest(const QImage& mainPicture, const ButtonArt& art);

} // namespace TintSuggestion

// The suggestion for a scaled Main picture and the Main template it is composed with (the
// template is measured once, not at every call).
TintSuggestion::Suggestion suggestMenuTint(const QImage& mainPicture, const QImage& mainTemplate);

// The same for the picture loaded in the workspace. Only after a successful load (throws
// std::logic_error before).
TintSuggestion::Suggestion suggestMenuTint(const SkinWorkspace& ws);
