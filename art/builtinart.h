#pragma once

#include <QImage>
#include <QRect>

// The pictures the tool carries inside it. Each is loaded once and shared after that.
namespace BuiltInArt {
QImage mainTemplate();      // 800x629, Format_RGB32
QImage sceneTemplate();     // 300x550, Format_RGB32
QImage consoleTemplate();   // 310x105, Format_RGB32
QImage chatTemplate();      // 438x173, Format_RGB32
QImage menuStrip();         // 159x35, Format_RGB32
QImage railImage();         // 113x18, Format_RGB32
QImage thumbImage();        // 26x25, Format_ARGB32 (alpha 0 or 255)
QImage iconImage(int size); // 32 or 16, Format_ARGB32; a null image for any other size

// Where the Main template draws its MENU button (tools/artgen.cpp): the button's own
// pixels are the ones in this area that are not key colour.
inline constexpr QRect MainMenuButtonArea{635, 11, 96, 29};
} // namespace BuiltInArt
