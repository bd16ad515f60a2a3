#pragma once

#include <QRgb>
#include <QtGlobal>

// A colour as the host's image operations exchange it: red in the lowest byte,
// r + 256 * g + 65536 * b. Convert only through these helpers.
using ColourValue = quint32;

constexpr ColourValue colourValue(int r, int g, int b) {
    return ColourValue(r) | (ColourValue(g) << 8) | (ColourValue(b) << 16);
}

constexpr ColourValue colourValueFromRgb(QRgb rgb) {
    return colourValue(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

constexpr QRgb rgbFromColourValue(ColourValue value) {
    return qRgb(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// The templates' transparent colour: exactly red 255, green 0, blue 255.
constexpr ColourValue KeyColour = colourValue(255, 0, 255);
