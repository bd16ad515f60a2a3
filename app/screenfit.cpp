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

QMargins estimatedFrame(const QStyle& style) {
    // Desktops commonly draw a title bar of about 30 pixels and a thin border.
    constexpr int commonTitleBar = 30;
    constexpr int commonBorder = 4;
    const int border = std::max(style.pixelMetric(QStyle::PM_MdiSubWindowFrameWidth), commonBorder);
    const int titleBar = std::max(style.pixelMetric(QStyle::PM_TitleBarHeight), commonTitleBar);
    return QMargins(border, titleBar, border, border);
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

void ScrollingFrame::fitTo(QRect available, QMargins frame) {
    m_design = widget()->size();
    m_available = available;
    apply(frame);
}

void ScrollingFrame::apply(QMargins frame) {
    m_frame = frame;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const ScreenFit fit = fitToScreen(m_design, m_available, frame, scrollBar);
    resize(fit.scrolls ? fit.clientSize : m_design);
    // A window's position is its frame's.
    move(fit.scrolls ? fit.framePosition : m_available.topLeft());
}

void ScrollingFrame::refitToRealFrame() {
    if (!isVisible() || m_available.isEmpty())
        return;
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    const QMargins real(inner.left() - outer.left(), inner.top() - outer.top(),
                        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    // Nothing known yet, or already fitted to it: a window the user moves or resizes
    // afterwards stays as the user leaves it.
    if (real.isNull() || real == m_frame)
        return;
    apply(real);
}

void ScrollingFrame::moveEvent(QMoveEvent* event) {
    QScrollArea::moveEvent(event);
    refitToRealFrame();
}

void ScrollingFrame::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    refitToRealFrame();
}

std::unique_ptr<ScrollingFrame> frameForScreen(QWidget& window, QRect available,
                                               std::optional<QMargins> frame) {
    const QMargins estimate = frame.value_or(estimatedFrame(*window.style()));
    const int scrollBar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (!fitToScreen(window.size(), available, estimate, scrollBar).scrolls)
        return nullptr;
    auto scrolling = std::make_unique<ScrollingFrame>(window);
    scrolling->fitTo(available, estimate);
    return scrolling;
}
