#include "slider/edgedraw.h"

#include "slider/olecolor.h"

#include <QPainter>

namespace Edge {

namespace {

struct Ring {
    quint32 topLeft;
    quint32 bottomRight;
};

void drawRing(QPainter& painter, const SliderGeometry::PixelRect& r, const Ring& ring,
              quint32 sides, const QPalette& palette) {
    const qint64 width = qint64(r.right) - r.left;
    const qint64 height = qint64(r.bottom) - r.top;
    if (width <= 0 || height <= 0)
        return;
    const QColor light = OleColor::toColour(ring.topLeft, palette);
    const QColor dark = OleColor::toColour(ring.bottomRight, palette);
    // The dark sides go last, so they own the top-right and bottom-left corners.
    if (sides & Left)
        painter.fillRect(QRect(r.left, r.top, 1, int(height)), light);
    if (sides & Top)
        painter.fillRect(QRect(r.left, r.top, int(width), 1), light);
    if (sides & Right)
        painter.fillRect(QRect(r.right - 1, r.top, 1, int(height)), dark);
    if (sides & Bottom)
        painter.fillRect(QRect(r.left, r.bottom - 1, int(width), 1), dark);
}

SliderGeometry::PixelRect inset(SliderGeometry::PixelRect r, quint32 sides) {
    if (sides & Left)
        ++r.left;
    if (sides & Top)
        ++r.top;
    if (sides & Right)
        --r.right;
    if (sides & Bottom)
        --r.bottom;
    return r;
}

} // namespace

void draw(QPainter& painter, const SliderGeometry::PixelRect& rect, quint32 edge, quint32 sides,
          const QPalette& palette) {
    SliderGeometry::PixelRect r = rect;
    if (edge & (RaisedOuter | SunkenOuter)) {
        const Ring ring = (edge & SunkenOuter) ? Ring{OleColor::ButtonShadow, OleColor::Highlight3D}
                                               : Ring{OleColor::Light3D, OleColor::DarkShadow3D};
        drawRing(painter, r, ring, sides, palette);
        r = inset(r, sides);
    }
    if (edge & (RaisedInner | SunkenInner)) {
        const Ring ring = (edge & SunkenInner)
                              ? Ring{OleColor::DarkShadow3D, OleColor::Light3D}
                              : Ring{OleColor::Highlight3D, OleColor::ButtonShadow};
        drawRing(painter, r, ring, sides, palette);
    }
}

} // namespace Edge
