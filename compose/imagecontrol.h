#pragma once

#include "compose/colourvalue.h"

#include <QImage>
#include <QObject>
#include <QString>

// The image-processing control: one current image (or none), a merge setting and a
// save path. It has no widget; a preview widget on the window draws its image.
class ImageControl : public QObject {
    Q_OBJECT

public:
    explicit ImageControl(QObject* parent = nullptr);

    // The file becomes the image, at its own size. Throws Imaging::PictureError and keeps
    // the earlier image.
    void LoadFile(const QString& path);

    QImage Picture() const { return m_image; }
    // Merge off: replaces the image. Merge on: laid over the image at the top-left; its
    // pixels of the transparent colour leave the image visible.
    void setPicture(const QImage& New_Picture);

    // Mode 2 (the only mode used) stretches to exactly width x height, axes independent.
    void ScaleImage(qint32 mode, qint32 width, qint32 height);

    // The style, reserved and opacity values are accepted and have no effect.
    void SetMerge(bool on, qint32 style, qint32 reserved, bool transparent,
                  ColourValue transparentColour, qint16 opacityA, qint16 opacityB);

    void AdjustHsl(qint16 hue, qint16 saturation, qint16 lightness);

    // Zero-based from the top-left. Throws std::out_of_range outside the image.
    ColourValue PixelColor(qint32 x, qint32 y) const;

    QString SavePath() const { return m_savePath; }
    void setSavePath(const QString& New_SavePath) { m_savePath = New_SavePath; }
    // A 24-bit bitmap at the save path through QSaveFile; a failure leaves any earlier
    // file whole. Throws std::runtime_error with the path and the reason.
    void SaveImage() const;

signals:
    void imageChanged();

private:
    void replaceImage(const QImage& image);

    QImage m_image;
    bool m_merge = false;
    bool m_mergeTransparent = true;
    ColourValue m_transparent = KeyColour;
    QString m_savePath;
};
