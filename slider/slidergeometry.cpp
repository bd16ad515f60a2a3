#include "slider/slidergeometry.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace SliderGeometry {

namespace {

std::optional<qint32> checked(qint64 x) {
    if (x < std::numeric_limits<qint32>::min() || x > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(x);
}

std::optional<float> toFloat(double x) {
    if (!std::isfinite(x) || std::fabs(x) > double(FLT_MAX))
        return std::nullopt;
    return float(x);
}

bool isAxis(qint32 orientation) {
    return orientation == Horizontal || orientation == Vertical;
}

} // namespace

std::optional<qint32> nearest(double x) {
    if (!std::isfinite(x))
        return std::nullopt;
    // nearbyint rounds ties to even under the default rounding mode.
    const double r = std::nearbyint(x);
    if (r < double(std::numeric_limits<qint32>::min()) ||
        r > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return qint32(r);
}

std::optional<qint32> halve(double x) {
    const auto n = nearest(x);
    if (!n)
        return std::nullopt;
    return *n / 2;
}

std::optional<qint32> travel(qint32 orientation, QSize surface, QSize thumb) {
    if (orientation == Horizontal)
        return checked(qint64(surface.width()) - thumb.width());
    if (orientation == Vertical)
        return checked(qint64(surface.height()) - thumb.height());
    return std::nullopt;
}

std::optional<float> positionForValue(qint32 orientation, double travel, qint32 value, qint32 min,
                                      qint32 range) {
    const auto offset = checked(qint64(value) - min);
    if (!isAxis(orientation) || !offset || range == 0)
        return std::nullopt;
    const double along = travel * *offset / range;
    return toFloat(orientation == Horizontal ? along : travel - along);
}

std::optional<qint32> valueForPosition(qint32 orientation, double travel, float position,
                                       qint32 min, qint32 range) {
    if (!isAxis(orientation) || travel == 0)
        return std::nullopt;
    const double along = orientation == Horizontal ? double(position) : travel - position;
    return nearest(along / travel * range + min);
}

std::optional<QSize> outerSize(qint32 orientation, bool railPictureInUse, QSize rail, QSize thumb,
                               QSize current) {
    if (railPictureInUse && orientation == Horizontal)
        return QSize(rail.width() + 4,
                     thumb.height() < rail.height() ? rail.height() : thumb.height());
    if (railPictureInUse && orientation == Vertical)
        return QSize(thumb.width() < rail.width() ? rail.width() : thumb.width(),
                     rail.height() + 4);
    if (orientation == Horizontal)
        return QSize(current.width() == 0 ? thumb.width() : current.width(), thumb.height());
    if (orientation == Vertical)
        return QSize(thumb.width(), current.height() == 0 ? thumb.height() : current.height());
    return std::nullopt;
}

std::optional<float> thumbCrossPosition(qint32 orientation, bool railPictureInUse, QSize rail,
                                        QSize thumb) {
    if (orientation == Horizontal) {
        if (railPictureInUse && thumb.height() < rail.height())
            return float(*halve(rail.height() - thumb.height()));
        return 0.0f;
    }
    if (orientation == Vertical) {
        if (railPictureInUse && thumb.width() < rail.width())
            return float(*halve(rail.width() - thumb.width()));
        return 0.0f;
    }
    return std::nullopt;
}

std::optional<PixelRect> railGroove(qint32 orientation, QSize surface, QSize thumb) {
    if (orientation == Horizontal) {
        const auto top = halve(qint64(thumb.height()) - 4);
        const auto halfWidth = halve(thumb.width());
        if (!top || !halfWidth)
            return std::nullopt;
        const auto bottom = checked(qint64(*top) + 4);
        const auto left = checked(qint64(*halfWidth) - 2);
        if (!bottom || !left)
            return std::nullopt;
        const auto right = checked(qint64(surface.width()) + *left - thumb.width() + 4);
        if (!right)
            return std::nullopt;
        return PixelRect{*left, *top, *right, *bottom};
    }
    if (orientation == Vertical) {
        const auto halfHeight = halve(thumb.height());
        const auto left = halve(qint64(thumb.width()) - 4);
        if (!halfHeight || !left)
            return std::nullopt;
        const auto top = checked(qint64(*halfHeight) - 2);
        const auto right = checked(qint64(*left) + 4);
        if (!top || !right)
            return std::nullopt;
        const auto bottom = checked(qint64(surface.height()) + *top - thumb.height() + 4);
        if (!bottom)
            return std::nullopt;
        return PixelRect{*left, *top, *right, *bottom};
    }
    return std::nullopt;
}

std::optional<QPoint> railPicturePosition(qint32 orientation, QSize surface, QSize rail) {
    if (orientation == Horizontal)
        return QPoint(2, *halve(qint64(surface.height()) - rail.height()));
    if (orientation == Vertical)
        return QPoint(*halve(qint64(surface.width()) - rail.width()), 2);
    return std::nullopt;
}

std::optional<PixelRect> thumbButton(float left, float top, QSize thumb) {
    const auto l = nearest(left);
    const auto t = nearest(top);
    if (!l || !t)
        return std::nullopt;
    const auto r = checked(qint64(thumb.width()) + *l);
    const auto b = checked(qint64(thumb.height()) + *t);
    if (!r || !b)
        return std::nullopt;
    return PixelRect{*l, *t, *r, *b};
}

TipPlacement tipPlacement(qint32 orientation, QPoint sliderOrigin, float thumbLeft, float thumbTop,
                          QSize thumb, QSize labelSize) {
    const int lw = labelSize.width();
    const int lh = labelSize.height();
    QPoint position;
    if (orientation == Horizontal) {
        if (const auto half = halve(qint64(thumb.width()) - lw - 4))
            position.setX(nearest(double(sliderOrigin.x()) + thumbLeft + *half).value_or(0));
        position.setY(nearest(double(sliderOrigin.y()) + thumbTop - lh - 5).value_or(0));
    } else if (orientation == Vertical) {
        position.setX(nearest(double(sliderOrigin.x()) + thumbLeft - lw - 6).value_or(0));
        if (const auto half = halve(qint64(thumb.height()) - lh - 4))
            position.setY(nearest(double(sliderOrigin.y()) + thumbTop + *half).value_or(0));
    }
    return TipPlacement{position, QSize(lw + 4, lh + 3)};
}

TipPlacement keepTipOnScreen(TipPlacement placement, qint32 orientation, QRect thumb,
                             QRect available) {
    if (!isAxis(orientation) || available.isEmpty())
        return placement;
    QRect tip(placement.position, placement.size);
    if (orientation == Horizontal && tip.top() < available.top())
        tip.moveTop(thumb.bottom() + 1 + 2);
    if (orientation == Vertical && tip.left() < available.left())
        tip.moveLeft(thumb.right() + 1 + 2);
    if (tip.right() > available.right())
        tip.moveRight(available.right());
    if (tip.left() < available.left())
        tip.moveLeft(available.left());
    if (tip.bottom() > available.bottom())
        tip.moveBottom(available.bottom());
    if (tip.top() < available.top())
        tip.moveTop(available.top());
    return TipPlacement{tip.topLeft(), placement.size};
}

} // namespace SliderGeometry
