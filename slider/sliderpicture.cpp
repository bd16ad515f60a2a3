#include "slider/sliderpicture.h"

SliderPicture::SliderPicture(Kind kind, const QImage& image)
    : m_Kind(image.isNull() ? Kind::None : kind)
    , m_Image(image) {}

SliderPicture SliderPicture::bitmap(const QImage& image) {
    return SliderPicture(Kind::Bitmap, image.convertToFormat(QImage::Format_RGB32));
}

SliderPicture SliderPicture::icon(const QImage& image) {
    return SliderPicture(Kind::Icon, image.convertToFormat(QImage::Format_ARGB32));
}
