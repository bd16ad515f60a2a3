#include "compose/fit.h"

#include <algorithm>
#include <cmath>

namespace {

// numerator / denominator to the nearest integer, ties to the even one; both positive.
// In integers so that no floating-point step can tip a crop's size by a pixel.
qint64 roundedQuotient(qint64 numerator, qint64 denominator) {
    const qint64 q = numerator / denominator;
    const qint64 twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && q % 2 != 0))
        return q + 1;
    return q;
}

// The start of a `length`-long span centred on `centre` within 0..extent.
int placedStart(double centre, int length, int extent) {
    const double start = std::nearbyint(centre - length / 2.0);
    return int(std::clamp(start, 0.0, double(extent - length)));
}

double unit(double fraction) {
    return std::isnan(fraction) ? 0.5 : std::clamp(fraction, 0.0, 1.0);
}

} // namespace

QRect fillCrop(QSize picture, QSize surface, FocusPoint focus) {
    if (picture.isEmpty() || surface.isEmpty())
        return QRect();
    const qint64 pw = picture.width(), ph = picture.height();
    const qint64 sw = surface.width(), sh = surface.height();
    QSize crop = picture;
    if (pw * sh > ph * sw) // wider than the surface: keep the full height
        crop.setWidth(int(std::clamp<qint64>(roundedQuotient(ph * sw, sh), 1, pw)));
    else
        crop.setHeight(int(std::clamp<qint64>(roundedQuotient(pw * sh, sw), 1, ph)));
    const int left = placedStart(unit(focus.x) * pw, crop.width(), picture.width());
    const int top = placedStart(unit(focus.y) * ph, crop.height(), picture.height());
    return QRect(QPoint(left, top), crop);
}

FocusPoint focusAt(QSize picture, QRect crop, QSize surface, QPoint surfacePixel) {
    if (picture.isEmpty() || crop.isEmpty() || surface.isEmpty())
        return FocusPoint{};
    const int px = std::clamp(surfacePixel.x(), 0, surface.width() - 1);
    const int py = std::clamp(surfacePixel.y(), 0, surface.height() - 1);
    const double x = crop.x() + (px + 0.5) * crop.width() / surface.width();
    const double y = crop.y() + (py + 0.5) * crop.height() / surface.height();
    return FocusPoint{unit(x / picture.width()), unit(y / picture.height())};
}
