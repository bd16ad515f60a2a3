#pragma once

#include <QRgb>
#include <QtGlobal>

// A colour as the host's image operations exchange it: red in the lowest byte,
// r + 256 * g + 65536 * b. Convert only through these helpers.
using ColorValue = quint32;

constexpr ColorValue colorValue(int r, int g, int b) {
    return ColorValue(r) | (ColorValue(g) << 8) | (ColorValue(b) << 16);
}

constexpr ColorValue colorValueFromRgb(QRgb rgb) {
    return colorValue(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

constexpr QRgb rgbFromColorValue(ColorValue value) {
    return qRgb(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// The templates' transparent colour: exactly red 255, green 0, blue 255.
constexpr ColorValue KeyColor = colorValue(255, 0, 255);
