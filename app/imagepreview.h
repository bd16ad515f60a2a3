#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// Shows one picture at the top-left, unscaled and clipped to the widget. A null picture
// shows the window's background. Reports the
// left button's press, its moves while held and its release, in widget (= image) coordinates.
// When the host lets it take the focus (Tab), it reports the arrow keys as steps and frames
// itself in the palette's highlight colour.
class ImagePreview : public QWidget {
    Q_OBJECT

public:
    explicit ImagePreview(QWidget* parent = nullptr);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);

signals:
    void pressed(QPoint at);
    void dragged(QPoint at);
    void released();
    // An arrow key: one of dx, dy is -1 or 1; `large` with Shift held.
    void stepped(int dx, int dy, bool large);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage m_picture;
    // Converted at the first paint after a change, so painting only copies.
    QPixmap m_pixmap;
    bool m_stale = true;
};
