#pragma once

#include <QColor>
#include <QPalette>

// OLE colour values: red in the lowest byte (r + 256 * g + 65536 * b), or 0x80000000 plus the
// index of a colour of the desktop scheme, which maps onto a palette role here.
namespace OleColor {

inline constexpr quint32 SystemFlag = 0x80000000u;
inline constexpr quint32 ButtonFace = 0x8000000Fu;
inline constexpr quint32 Window = 0x80000005u;
inline constexpr quint32 WindowText = 0x80000008u;
inline constexpr quint32 ButtonShadow = 0x80000010u;
inline constexpr quint32 Highlight3D = 0x80000014u;
inline constexpr quint32 DarkShadow3D = 0x80000015u;
inline constexpr quint32 Light3D = 0x80000016u;

constexpr quint32 fromRgb(int r, int g, int b) {
    return quint32(r & 0xFF) | quint32(g & 0xFF) << 8 | quint32(b & 0xFF) << 16;
}

// The colour an OLE value stands for, system colours taken from `palette`. An index the scheme
// does not have gives black, as the system's own colour lookup does.
QColor toColour(quint32 ole, const QPalette& palette);

// The contrast between two colours as accessibility guidelines measure it: (L1 + 0.05) /
// (L2 + 0.05) of their relative luminances, 1 to 21. Text wants at least 4.5.
double contrastRatio(const QColor& a, const QColor& b);

} // namespace OleColor
