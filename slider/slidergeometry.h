#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

#include <optional>

// The slider's layout and value maths, free of widgets so it can be checked number by number.
// Every function that can fail (a division by zero, a 32-bit overflow, a position a float
// cannot hold) returns nothing instead, and the caller skips the step it was computing.
namespace SliderGeometry {

enum Orientation : qint32 { Horizontal = 0, Vertical = 1 };

// A rectangle in pixels of the slider surface; right and bottom are exclusive.
struct PixelRect {
    qint32 left = 0;
    qint32 top = 0;
    qint32 right = 0;
    qint32 bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Nearest integer, ties to the even one.
std::optional<qint32> nearest(double x);
// x taken to the nearest integer (ties to even), then halved toward zero: -3 gives -1.
std::optional<qint32> halve(double x);

// Travel of the thumb along the orientation axis: surface length minus thumb length.
std::optional<qint32> travel(qint32 orientation, QSize surface, QSize thumb);

// Thumb left (horizontal) or top (vertical, Min at the bottom) for a value.
std::optional<float> positionForValue(qint32 orientation, double travel, qint32 value, qint32 min,
                                      qint32 range);
// The value for a thumb left or top, rounded to the nearest integer, ties to even.
std::optional<qint32> valueForPosition(qint32 orientation, double travel, float position,
                                       qint32 min, qint32 range);

// The control's outer size for its pictures; nothing when the orientation leaves it alone.
std::optional<QSize> outerSize(qint32 orientation, bool railPictureInUse, QSize rail, QSize thumb,
                               QSize current);

// Thumb top of a horizontal slider, or thumb left of a vertical one.
std::optional<float> thumbCrossPosition(qint32 orientation, bool railPictureInUse, QSize rail,
                                        QSize thumb);

// The 4-pixel groove across the thumb's centre line drawn by the edge rail styles.
std::optional<PixelRect> railGroove(qint32 orientation, QSize surface, QSize thumb);

// Where the rail picture is drawn.
std::optional<QPoint> railPicturePosition(qint32 orientation, QSize surface, QSize rail);

// The thumb button drawn when the thumb has no picture.
std::optional<PixelRect> thumbButton(float left, float top, QSize thumb);

// The value tip window: its top-left corner in screen pixels and its size.
struct TipPlacement {
    QPoint position;
    QSize size;
};
// sliderOrigin is the slider surface's top-left corner in screen pixels; labelSize is the value
// label's width and height. Any orientation but 0 and 1 puts the tip at (0, 0).
TipPlacement tipPlacement(qint32 orientation, QPoint sliderOrigin, float thumbLeft, float thumbTop,
                          QSize thumb, QSize labelSize);

// `placement` kept inside `available`, the work area of the screen the thumb is on, where
// it would leave it; a placement that fits comes back unchanged. A horizontal slider's tip
// with no room above the thumb goes below it, its top edge 2 pixels under the thumb; a
// vertical slider's tip with no room on the left goes to the right of the thumb, 2 pixels
// from it. Then the tip is pushed inside along either axis. `thumb` is the thumb's
// rectangle in screen pixels. Other orientations, and an empty area, are left alone.
TipPlacement keepTipOnScreen(TipPlacement placement, qint32 orientation, QRect thumb,
                             QRect available);

} // namespace SliderGeometry
