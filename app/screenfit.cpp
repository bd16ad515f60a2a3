#include "app/screenfit.h"

#include <QScrollBar>
#include <QStyle>

#include <algorithm>

ScreenFit fitToScreen(QSize design, QRect available, QMargins frame, int scrollBar) {
    const QSize room = available.size().shrunkBy(frame);
    if (room.width() >= design.width() && room.height() >= design.height())
        return {false, design, {}};
    // Each scroll bar takes room from the other direction; a direction that is cut off needs
    // the other one's bar too.
    const bool cutWidth = room.width() < design.width();
    const bool cutHeight = room.height() < design.height();
    const QSize wanted(design.width() + (cutHeight ? scrollBar : 0),
                       design.height() + (cutWidth ? scrollBar : 0));
    const QSize client(std::min(wanted.width(), room.width()),
                       std::min(wanted.height(), room.height()));
    return {true, client.expandedTo(QSize(1, 1)), available.topLeft()};
}

ScrollingFrame::ScrollingFrame(QWidget& content) {
    setObjectName(QStringLiteral("ScrollingFrame"));
    setWindowTitle(content.windowTitle());
    setWindowIcon(content.windowIcon());
    setFrameShape(QFrame::NoFrame);
    // Not a stop of its own: Tab goes from control to control, and scrolls to each.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
    setWidget(&content);
}

ScrollingFrame::~ScrollingFrame() {
    // The content belongs to whoever made it.
    takeWidget();
}

std::unique_ptr<ScrollingFrame> frameForScreen(QWidget& window, QRect available, QMargins frame) {
    const int scrollBar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const ScreenFit fit = fitToScreen(window.size(), available, frame, scrollBar);
    if (!fit.scrolls)
        return nullptr;
    auto scrolling = std::make_unique<ScrollingFrame>(window);
    scrolling->resize(fit.clientSize);
    scrolling->move(fit.framePosition);
    return scrolling;
}
