#pragma once

#include <QMargins>
#include <QRect>
#include <QScrollArea>
#include <QSize>

#include <memory>

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

// `frame` is the window frame's thickness on each side, `scrollBar` the scroll bar's width.
ScreenFit fitToScreen(QSize design, QRect available, QMargins frame, int scrollBar);

// The top-level window that scrolls the main window when the screen is too small. It shows
// the content's title and icon and hands the content back, unowned, when destroyed.
class ScrollingFrame : public QScrollArea {
    Q_OBJECT

public:
    explicit ScrollingFrame(QWidget& content);
    ~ScrollingFrame() override;
};

// A frame that scrolls `window` when the available area of its screen cannot hold it with
// `frame`, sized and placed to that area; nullptr when the window fits as it is (it is then
// shown unchanged). `frame` is an estimate: a window system tells the real frame only
// after showing the window.
std::unique_ptr<ScrollingFrame> frameForScreen(QWidget& window, QRect available,
                                               QMargins frame = QMargins(4, 30, 4, 4));
