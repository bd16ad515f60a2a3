#pragma once

#include "slider/slidergeometry.h"

#include <QtGlobal>

class QPainter;
class QPalette;

// 3-D borders of one pixel per ring, drawn from the outside in: an outer ring (raised or sunken)
// and an inner ring (raised or sunken). Top and left take the light side of a raised ring,
// bottom and right its dark side, the reverse for a sunken one. The colours are the 3-D system
// colours of the palette.
namespace Edge {

enum : quint32 {
    RaisedOuter = 0x1,
    SunkenOuter = 0x2,
    RaisedInner = 0x4,
    SunkenInner = 0x8,
    Raised = RaisedOuter | RaisedInner, // 5
    Sunken = SunkenOuter | SunkenInner, // 10
};

enum : quint32 { Left = 0x1, Top = 0x2, Right = 0x4, Bottom = 0x8, Rect = 0xF };

// Draws the rings that `edge` names on the sides that `sides` names; nothing is filled.
void draw(QPainter& painter, const SliderGeometry::PixelRect& rect, quint32 edge, quint32 sides,
          const QPalette& palette);

} // namespace Edge
