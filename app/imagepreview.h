#pragma once

#include <QPixmap>
#include <QWidget>

class ImageControl;

// Shows one image-control instance's current image at the top-left, unscaled and clipped
// to the widget. An instance without an image shows the window's background. Reports the
// left button's press, its moves while held and its release, in widget (= image) coordinates.
class ImagePreview : public QWidget {
    Q_OBJECT

public:
    explicit ImagePreview(ImageControl& control, QWidget* parent = nullptr);

    ImageControl& control() const { return m_control; }

signals:
    void pressed(QPoint at);
    void dragged(QPoint at);
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void refresh();

    ImageControl& m_control;
    // Converted at the first paint after a change, so painting only copies.
    QPixmap m_pixmap;
    bool m_stale = true;
};
