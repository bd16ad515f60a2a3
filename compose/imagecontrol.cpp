#include "compose/imagecontrol.h"

#include "compose/imaging.h"
#include "compose/wholewrite.h"

#include <QDir>

#include <stdexcept>

ImageControl::ImageControl(QObject* parent)
    : QObject(parent) {}

void ImageControl::LoadFile(const QString& path) {
    replaceImage(Imaging::readPicture(path));
}

void ImageControl::setPicture(const QImage& New_Picture) {
    if (m_merge && !m_image.isNull() && !New_Picture.isNull())
        replaceImage(
            Imaging::overlay(m_image, New_Picture,
                             m_mergeTransparent ? rgbFromColourValue(m_transparent) : 0xFFFFFFFFu));
    else
        replaceImage(New_Picture.isNull() ? QImage() : Imaging::toInternal(New_Picture));
}

void ImageControl::ScaleImage(qint32 mode, qint32 width, qint32 height) {
    if (mode != 2)
        throw std::invalid_argument("ScaleImage: unsupported resampling mode");
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("ScaleImage: the size must be positive");
    if (m_image.isNull())
        throw std::logic_error("ScaleImage: there is no image");
    replaceImage(Imaging::stretch(m_image, width, height));
}

void ImageControl::SetMerge(bool on, qint32, qint32, bool transparent,
                            ColourValue transparentColour, qint16, qint16) {
    m_merge = on;
    m_mergeTransparent = transparent;
    m_transparent = transparentColour & 0x00FFFFFFu;
}

void ImageControl::AdjustHsl(qint16 hue, qint16 saturation, qint16 lightness) {
    if (m_image.isNull())
        return;
    replaceImage(Imaging::adjustHsl(m_image, hue, saturation, lightness));
}

ColourValue ImageControl::PixelColor(qint32 x, qint32 y) const {
    if (!m_image.valid(x, y))
        throw std::out_of_range("PixelColor: the point lies outside the image");
    return colourValueFromRgb(m_image.pixel(x, y));
}

void ImageControl::SaveImage() const {
    const QString path = QDir::toNativeSeparators(m_savePath);
    if (m_image.isNull())
        throw std::runtime_error(
            QStringLiteral("%1 could not be written: there is no picture").arg(path).toStdString());
    if (const QString reason = saveWhole(m_savePath, Imaging::encodeBmp24(m_image));
        !reason.isEmpty())
        throw std::runtime_error(
            QStringLiteral("%1 could not be written: %2").arg(path, reason).toStdString());
}

void ImageControl::replaceImage(const QImage& image) {
    m_image = image;
    emit imageChanged();
}
