#include "app/imagepreview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

ImagePreview::ImagePreview(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ImagePreview::setPicture(const QImage& picture) {
    // Converted at the next paint, so a picture replaced again before it is never converted.
    m_picture = picture;
    m_stale = true;
    update();
}

void ImagePreview::paintEvent(QPaintEvent* /*event*/) {
    if (m_stale) {
        m_pixmap = m_picture.isNull() ? QPixmap() : QPixmap::fromImage(m_picture);
        m_stale = false;
    }
    QPainter painter(this);
    if (!m_pixmap.isNull())
        painter.drawPixmap(0, 0, m_pixmap);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(palette().color(QPalette::Highlight));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

namespace {

// The pixel under the pointer: a position inside a pixel belongs to it, not to the nearest
// pixel corner.
QPoint pixelAt(const QMouseEvent* event) {
    const QPointF at = event->position();
    return QPoint(int(std::floor(at.x())), int(std::floor(at.y())));
}

} // namespace

void ImagePreview::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    event->accept();
    emit pressed(pixelAt(event));
}

void ImagePreview::mouseMoveEvent(QMouseEvent* event) {
    // The press grabbed the pointer, so moves keep coming here outside the widget too.
    if (!(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    event->accept();
    emit dragged(pixelAt(event));
}

void ImagePreview::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    event->accept();
    emit released();
}

void ImagePreview::keyPressEvent(QKeyEvent* event) {
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QWidget::keyPressEvent(event);
    event->accept();
    emit stepped(dx, dy, event->modifiers() & Qt::ShiftModifier);
}

void ImagePreview::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ImagePreview::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
