#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>

// Where a preview box of `box` shows a picture of `picture`: unscaled at the top-left when
// it fits, else scaled down to fit whole, keeping its shape, centred in the box.
QRect previewPlacement(QSize box, QSize picture);

// Shows one picture: at the top-left, unscaled, when the widget holds it, else scaled
// smoothly to fit and centred (see previewPlacement), so every pixel of it can be seen. A
// null picture shows the window's background. Reports the left button's press, its moves
// while held and its release, in the picture's own pixel coordinates (a point beside the
// picture lies outside it). When the host lets it take the focus (Tab), it reports the arrow
// keys as steps and frames the picture in the palette's highlight colour.
class ImagePreview : public QWidget {
    Q_OBJECT

public:
    explicit ImagePreview(QWidget* parent = nullptr);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);

    // Where the picture is shown in the widget; the whole widget without a picture.
    QRect shownRect() const;
    // The picture pixel under a widget position.
    QPoint pictureAt(QPointF position) const;

signals:
    void pressed(QPoint at);
    void dragged(QPoint at);
    void released();
    // An arrow key: one of dx, dy is -1 or 1; `large` with Shift held.
    void stepped(int dx, int dy, bool large);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage m_picture;
    // Converted (and scaled) at the first paint after a change, so painting only copies.
    QPixmap m_pixmap;
    bool m_stale = true;
};
