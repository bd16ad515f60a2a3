#pragma once

#include <QImage>

// A picture of one colour in the internal format.
inline QImage solid(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
