#include "slider/olecolor.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace OleColor {

namespace {

struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Indexed by the system colour index.
constexpr std::array<SystemRole, 31> systemRoles{{
    {QPalette::Active, QPalette::Button},            // 0 scroll bar
    {QPalette::Active, QPalette::Window},            // 1 desktop
    {QPalette::Active, QPalette::Highlight},         // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},       // 3 inactive caption
    {QPalette::Active, QPalette::Window},            // 4 menu
    {QPalette::Active, QPalette::Base},              // 5 window
    {QPalette::Active, QPalette::WindowText},        // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::Text},              // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    {QPalette::Active, QPalette::Button},            // 10 active border
    {QPalette::Inactive, QPalette::Button},          // 11 inactive border
    {QPalette::Active, QPalette::Mid},               // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlight text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light},             // 20 3-D highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 info background
    {QPalette::Active, QPalette::NoRole},            // 25 unused
    {QPalette::Active, QPalette::Link},              // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},         // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight},       // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},         // 29 menu highlight
    {QPalette::Active, QPalette::Window},            // 30 menu bar
}};

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor toColour(quint32 ole, const QPalette& palette) {
    if ((ole & SystemFlag) == 0)
        return QColor(int(ole & 0xFF), int(ole >> 8 & 0xFF), int(ole >> 16 & 0xFF));
    const quint32 index = ole & ~SystemFlag;
    if (index >= systemRoles.size() || systemRoles[index].role == QPalette::NoRole)
        return QColor(Qt::black);
    return palette.color(systemRoles[index].group, systemRoles[index].role);
}

} // namespace OleColor
