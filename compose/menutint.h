#pragma once

#include <QtGlobal>

#include <limits>
#include <stdexcept>

// The three tint amounts of the artwork, -100 to 100 each; (0, 0, 0) is untinted.
struct MenuTint {
    qint16 hue = 0;
    qint16 saturation = 0;
    qint16 lightness = 0;
};

// How far one step of the hue amount turns a colour's hue, in degrees.
inline constexpr double HueDegreesPerStep = 1.8;

// Narrows a slider value the way the tint needs it; throws std::overflow_error outside
// the 16-bit range.
inline qint16 narrowTint(qint32 value) {
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw std::overflow_error("Overflow: a tint amount does not fit in 16 bits");
    return qint16(value);
}
