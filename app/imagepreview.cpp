#include "app/imagepreview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

QRect previewPlacement(QSize box, QSize picture) {
    if (picture.isEmpty() || (picture.width() <= box.width() && picture.height() <= box.height()))
        return QRect(QPoint(0, 0), picture);
    const QSize scaled = picture.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return QRect(QPoint((box.width() - scaled.width()) / 2, (box.height() - scaled.height()) / 2),
                 scaled);
}

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

QRect ImagePreview::shownRect() const {
    return m_picture.isNull() ? rect() : previewPlacement(size(), m_picture.size());
}

QPoint ImagePreview::pictureAt(QPointF position) const {
    // A position inside a pixel belongs to it, not to the nearest pixel corner.
    const QRect shown = shownRect();
    if (m_picture.isNull() || shown.size() == m_picture.size())
        return QPoint(int(std::floor(position.x())), int(std::floor(position.y())));
    const QPointF inside = position - shown.topLeft();
    return QPoint(int(std::floor(inside.x() * m_picture.width() / shown.width())),
                  int(std::floor(inside.y() * m_picture.height() / shown.height())));
}

void ImagePreview::paintEvent(QPaintEvent* /*event*/) {
    const QRect shown = shownRect();
    if (m_stale) {
        if (m_picture.isNull())
            m_pixmap = QPixmap();
        else if (shown.size() == m_picture.size())
            m_pixmap = QPixmap::fromImage(m_picture);
        else
            m_pixmap = QPixmap::fromImage(
                m_picture.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_stale = false;
    }
    QPainter painter(this);
    if (!m_pixmap.isNull())
        painter.drawPixmap(shown.topLeft(), m_pixmap);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(palette().color(QPalette::Highlight));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(shown.intersected(rect()).adjusted(0, 0, -1, -1));
    }
}

void ImagePreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_stale = true;
}

void ImagePreview::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    event->accept();
    emit pressed(pictureAt(event->position()));
}

void ImagePreview::mouseMoveEvent(QMouseEvent* event) {
    // The press grabbed the pointer, so moves keep coming here outside the widget too.
    if (!(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    event->accept();
    emit dragged(pictureAt(event->position()));
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
