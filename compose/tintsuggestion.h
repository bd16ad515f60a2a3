#pragma once

#include "compose/buttonart.h"
#include "compose/colourmaths.h"
#include "compose/menutint.h"
#include "compose/quantizer.h"

#include <QImage>
#include <QRgb>

#include <optional>

class SkinWorkspace;

// A menu tint suggested from the picture: the artwork takes the picture's most telling
// colour, at a lightness that keeps the MENU button readable on the picture behind it.
// Everything here is a pure function of its inputs: the same picture always gives the
// same three values.
namespace TintSuggestion {

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
