#pragma once

#include <QMargins>
#include <QRect>
#include <QScrollArea>
#include <QSize>

#include <memory>
#include <optional>

class QStyle;

// How a window of a fixed design meets the screen: as designed where the available area
// holds it with its frame, else scrolled inside a frame sized to that area.
struct ScreenFit {
    bool scrolls = false;
    // The client size of the shown window: the design, or what the area leaves after the
    // frame (never more than the design plus the scroll bars).
    QSize clientSize;
    // Where the frame's top-left corner goes when scrolling (the window system places a
    // window that fits).
    QPoint framePosition;
    friend bool operator==(const ScreenFit&, const ScreenFit&) = default;
};

// `frame` is the window frame's thickness on each side (the title bar in its top), `scrollBar`
// the scroll bar's width. The whole frame, title bar included, lies inside `available`.
ScreenFit fitToScreen(QSize design, QRect available, QMargins frame, int scrollBar);

// The frame a window system is likely to draw, for before it tells the real one: the style's
// title bar and frame width, but no less than a common desktop's.
QMargins estimatedFrame(const QStyle& style);

// The top-level window that scrolls the main window when the screen is too small. It shows
// the content's title and icon and hands the content back, unowned, when destroyed.
class ScrollingFrame : public QScrollArea {
    Q_OBJECT

public:
    explicit ScrollingFrame(QWidget& content);
    ~ScrollingFrame() override;

    // Sizes and places the window so that its frame, as estimated, fits `available`; once
    // shown, the frame the window system really drew takes the estimate's place.
    void fitTo(QRect available, QMargins frame);

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void apply(QMargins frame);
    void refitToRealFrame();

    QSize m_design;
    QRect m_available;
    QMargins m_frame;
};

// A frame that scrolls `window` when the available area of its screen cannot hold it with
// `frame`, sized and placed to that area; nullptr when the window fits as it is (it is then
// shown unchanged). `frame` is an estimate (estimatedFrame when not given): a window system
// tells the real frame only after showing the window, and the frame then fits itself again.
std::unique_ptr<ScrollingFrame> frameForScreen(QWidget& window, QRect available,
                                               std::optional<QMargins> frame = std::nullopt);
