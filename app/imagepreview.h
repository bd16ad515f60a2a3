#pragma once

#include <QPixmap>
#include <QWidget>

class ImageControl;

// Shows one image-control instance's current image at the top-left, unscaled and clipped
// to the widget. An instance without an image shows the window's background. Reports the
// left button's press, its moves while held and its release, in widget (= image) coordinates.
// When the host lets it take the focus (Tab), it reports the arrow keys as steps and frames
// itself in the palette's highlight colour.
class ImagePreview : public QWidget {
    Q_OBJECT

public:
    explicit ImagePreview(ImageControl& control, QWidget* parent = nullptr);

    ImageControl& control() const { return m_control; }

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
    void refresh();

    ImageControl& m_control;
    // Converted at the first paint after a change, so painting only copies.
    QPixmap m_pixmap;
    bool m_stale = true;
};
