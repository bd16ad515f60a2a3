#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// How the picture is brought to a surface's size.
enum class Fit {
    Stretch, // the whole picture, width and height scaled independently
    Fill,    // the largest part of the picture with the surface's proportions, undistorted
};

// A point of the picture as fractions of its width and height, 0 to 1 each. With Fill
// every surface's crop is centred on it as far as the picture allows.
struct FocusPoint {
    double x = 0.5;
    double y = 0.5;
    friend bool operator==(const FocusPoint&, const FocusPoint&) = default;
};

// The fit and the focus together: what decides which part of the picture each surface shows.
struct Framing {
    Fit fit = Fit::Stretch;
    FocusPoint focus;
    friend bool operator==(const Framing&, const Framing&) = default;
};

// The part of a `picture`-sized image that Fill scales to `surface`. Exact and the same on
// every machine, so the window and the command line cut the same pixels:
// - size: the picture's full height and width * surface height / surface width (or the
//   full width and the height to match, whichever fits), computed in integers and rounded
//   to the nearest pixel, ties to the even one; never below 1 pixel. A picture of the
//   surface's proportions is not cropped at all.
// - place: left = the nearest integer, ties to even, to focus.x * picture width - crop
//   width / 2, then clamped so the crop stays inside the picture; the same for top.
// A focus outside 0..1 counts as the nearest edge. An empty picture or surface gives an
// empty rectangle.
QRect fillCrop(QSize picture, QSize surface, FocusPoint focus);

// The inverse: the picture point shown at `surfacePixel` (its centre) of a surface that
// shows `crop` of the picture scaled to `surface`, as a focus. Pixels outside the surface
// count as its nearest edge pixel.
FocusPoint focusAt(QSize picture, QRect crop, QSize surface, QPoint surfacePixel);
