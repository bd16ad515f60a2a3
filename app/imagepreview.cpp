#include "app/imagepreview.h"

#include "compose/imagecontrol.h"

#include <QPainter>

ImagePreview::ImagePreview(ImageControl& control, QWidget* parent)
    : QWidget(parent)
    , m_control(control) {
    setFocusPolicy(Qt::NoFocus);
    connect(&m_control, &ImageControl::imageChanged, this, &ImagePreview::refresh);
    refresh();
}

void ImagePreview::refresh() {
    // A composition changes the image several times in one handler; convert only what
    // is finally shown.
    m_stale = true;
    update();
}

void ImagePreview::paintEvent(QPaintEvent* /*event*/) {
    if (m_stale) {
        const QImage image = m_control.Picture();
        m_pixmap = image.isNull() ? QPixmap() : QPixmap::fromImage(image);
        m_stale = false;
    }
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pixmap);
}
