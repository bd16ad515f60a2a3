#include "slider/ucslider.h"

#include "slider/edgedraw.h"
#include "slider/olecolor.h"
#include "slider/propertybag.h"
#include "slider/runtimeerror.h"
#include "slider/ucslideraccessible.h"
#include "slider/ucslidertip.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

using namespace SliderGeometry;

namespace {

constexpr qint32 defaultOrientation = Vertical;
constexpr qint32 defaultMin = 0;
constexpr qint32 defaultMax = 10;

struct DispatchEntry {
    quint32 id;
    const char* name;
};

constexpr std::array<DispatchEntry, 12> dispatchTable{{
    {ucSlider::DispIdValue, "Value"},
    {ucSlider::DispIdShowValueTip, "ShowValueTip"},
    {ucSlider::DispIdRailImage, "RailImage"},
    {ucSlider::DispIdSliderImage, "SliderImage"},
    {ucSlider::DispIdRailStyle, "RailStyle"},
    {ucSlider::DispIdOrientation, "Orientation"},
    {ucSlider::DispIdMin, "Min"},
    {ucSlider::DispIdMax, "Max"},
    {ucSlider::DispIdMouseIcon, "MouseIcon"},
    {ucSlider::DispIdMousePointer, "MousePointer"},
    {ucSlider::DispIdBackColor, "BackColor"},
    {ucSlider::DispIdEnabled, "Enabled"},
}};

// The standard cursor-shape codes of a control's MousePointer, 1 to 15.
constexpr std::array<Qt::CursorShape, 16> cursorShapes{{
    Qt::ArrowCursor,     // 0 (default: inherited instead)
    Qt::ArrowCursor,     // 1 arrow
    Qt::CrossCursor,     // 2 cross
    Qt::IBeamCursor,     // 3 I-beam
    Qt::ArrowCursor,     // 4 icon
    Qt::SizeAllCursor,   // 5 size
    Qt::SizeBDiagCursor, // 6 size north-east / south-west
    Qt::SizeVerCursor,   // 7 size north / south
    Qt::SizeFDiagCursor, // 8 size north-west / south-east
    Qt::SizeHorCursor,   // 9 size west / east
    Qt::UpArrowCursor,   // 10 up arrow
    Qt::WaitCursor,      // 11 hourglass
    Qt::ForbiddenCursor, // 12 no drop
    Qt::BusyCursor,      // 13 arrow and hourglass
    Qt::WhatsThisCursor, // 14 arrow and question mark
    Qt::SizeAllCursor,   // 15 size all
}};

// Edge drawn for each groove rail style, 0 to 4.
constexpr std::array<quint32, 5> railEdges{
    {Edge::Sunken, Edge::Raised, Edge::SunkenOuter, Edge::RaisedInner, 0}};

constexpr short LeftButton = 1;

short buttonCode(Qt::MouseButtons buttons) {
    short code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

short shiftCode(Qt::KeyboardModifiers modifiers) {
    short code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

std::optional<qint32> rangeOf(qint32 min, qint32 max) {
    const qint64 range = qint64(max) - min;
    if (range > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(range);
}

bool fitsShort(qint32 value) {
    return value >= std::numeric_limits<qint16>::min() &&
           value <= std::numeric_limits<qint16>::max();
}

constexpr qint64 pageStep = 10;

// The value a key asks for, before clamping to Min..Max; nothing for other keys. Up and Right
// go towards Max whatever the orientation.
std::optional<qint64> valueForKey(int key, qint32 value, qint32 min, qint32 max) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        return qint64(value) - 1;
    case Qt::Key_Right:
    case Qt::Key_Up:
        return qint64(value) + 1;
    case Qt::Key_PageDown:
        return qint64(value) - pageStep;
    case Qt::Key_PageUp:
        return qint64(value) + pageStep;
    case Qt::Key_Home:
        return min;
    case Qt::Key_End:
        return max;
    default:
        return std::nullopt;
    }
}

} // namespace

const char* ucSlider::propertyName(quint32 dispId) {
    for (const DispatchEntry& entry : dispatchTable) {
        if (entry.id == dispId)
            return entry.name;
    }
    return nullptr;
}

ucSlider::ucSlider(QWidget* parent)
    : QWidget(parent)
    , m_BackColor(OleColor::ButtonFace) {
    static const bool accessibleRegistered = [] {
        QAccessible::installFactory(&ucSliderAccessible::factory);
        return true;
    }();
    Q_UNUSED(accessibleRegistered);
    // Tab reaches an enabled slider; a click does not move the focus, so the pointer works as
    // it always has.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_WheelRest.setSingleShot(true);
    m_WheelRest.setInterval(wheelSettleMs);
    connect(&m_WheelRest, &QTimer::timeout, this, [this] {
        m_WheelRemainder = 0;
        settleKeyChange();
        hideStepTip();
    });
}

ucSlider::~ucSlider() {
    ucSliderTip::unload();
}

void ucSlider::InitProperties() {
    m_Enabled = true;
    m_ShowValueTip = true;
    m_Orientation = defaultOrientation;
    m_RailStyle = RailSunken;
    m_Min = defaultMin;
    m_Max = defaultMax;
    m_Value = 0;
    m_Range = defaultMax - defaultMin;
    m_LastValue = 0;
    enabledChanged();
    ResetThumb();
    // A Qt host sends no resize when it places the control at the size it already has.
    LayoutPass();
}

void ucSlider::ReadProperties(const PropertyBag& bag) {
    // Everything is read and checked before anything changes: a refused bag leaves the slider
    // as it was.
    const quint32 backColor = bag.readColour(QStringLiteral("BackColor"), OleColor::ButtonFace);
    const qint32 mousePointer = bag.readInt(QStringLiteral("MousePointer"), PointerDefault);
    const SliderPicture mouseIcon = bag.readPicture(QStringLiteral("MouseIcon"));
    const bool enabled = bag.readBool(QStringLiteral("Enabled"), true);
    const qint32 orientation = bag.readInt(QStringLiteral("Orientation"), defaultOrientation);
    const qint32 railStyle = bag.readInt(QStringLiteral("RailStyle"), RailSunken);
    const bool showValueTip = bag.readBool(QStringLiteral("ShowValueTip"), true);
    const qint32 min = bag.readInt(QStringLiteral("Min"), defaultMin);
    const qint32 max = bag.readInt(QStringLiteral("Max"), defaultMax);
    const qint32 value = bag.readInt(QStringLiteral("Value"), 0);
    const SliderPicture sliderImage = bag.readPicture(QStringLiteral("SliderImage"));
    const SliderPicture railImage = bag.readPicture(QStringLiteral("RailImage"));

    if (!fitsShort(mousePointer))
        throw RuntimeError::overflow(
            QStringLiteral("the stored MousePointer %1 is not a 16-bit value").arg(mousePointer));
    if (max <= min)
        throw RuntimeError::invalidPropertyValue(
            QStringLiteral("the stored Max %1 is not greater than the stored Min %2")
                .arg(max)
                .arg(min));
    const auto range = rangeOf(min, max);
    if (!range)
        throw RuntimeError::overflow(
            QStringLiteral("the stored range %1 to %2 does not fit in 32 bits").arg(min).arg(max));

    m_BackColor = backColor;
    m_MousePointer = qint16(mousePointer);
    m_MouseIcon = mouseIcon;
    applyCursor();
    m_Enabled = enabled;
    m_Orientation = orientation;
    m_RailStyle = railStyle;
    m_ShowValueTip = showValueTip;
    m_Min = min;
    m_Max = max;
    m_Value = value;
    setThumbPicture(sliderImage);
    setRailPicture(railImage);
    m_Range = *range;
    m_LastValue = m_Value;
    enabledChanged();

    // Both axes at once, whatever the orientation; the layout pass then settles the cross axis.
    if (const auto t = SliderGeometry::travel(Horizontal, size(), thumbSize())) {
        if (const auto left = positionForValue(Horizontal, *t, m_Value, m_Min, m_Range))
            imgSlider.left = *left;
    }
    if (const auto t = SliderGeometry::travel(Vertical, size(), thumbSize())) {
        if (const auto top = positionForValue(Vertical, *t, m_Value, m_Min, m_Range))
            imgSlider.top = *top;
    }
    LayoutPass();
}

void ucSlider::WriteProperties(PropertyBag& bag) const {
    bag.writeColour(QStringLiteral("BackColor"), m_BackColor, OleColor::ButtonFace);
    bag.writeBool(QStringLiteral("Enabled"), m_Enabled, true);
    bag.writePicture(QStringLiteral("MouseIcon"), m_MouseIcon);
    bag.writeInt(QStringLiteral("MousePointer"), m_MousePointer, PointerDefault);
    bag.writePicture(QStringLiteral("SliderImage"), imgSlider.picture);
    bag.writeInt(QStringLiteral("Orientation"), m_Orientation, defaultOrientation);
    bag.writePicture(QStringLiteral("RailImage"), imgRail.picture);
    bag.writeInt(QStringLiteral("RailStyle"), m_RailStyle, RailSunken);
    bag.writeBool(QStringLiteral("ShowValueTip"), m_ShowValueTip, true);
    bag.writeInt(QStringLiteral("Min"), m_Min, defaultMin);
    bag.writeInt(QStringLiteral("Max"), m_Max, defaultMax);
    bag.writeInt(QStringLiteral("Value"), m_Value, 0);
}

void ucSlider::setEnabled(bool New_Enabled) {
    const bool changed = m_Enabled != New_Enabled;
    m_Enabled = New_Enabled;
    if (changed)
        enabledChanged();
}

void ucSlider::enabledChanged() {
    setFocusPolicy(m_Enabled ? Qt::TabFocus : Qt::NoFocus);
    QAccessible::State states;
    states.disabled = true;
    states.focusable = true;
    QAccessibleStateChangeEvent event(this, states);
    QAccessible::updateAccessibility(&event);
}

void ucSlider::setBackColor(quint32 New_BackColor) {
    m_BackColor = New_BackColor;
    DrawSlider();
}

void ucSlider::setMousePointer(qint32 New_MousePointer) {
    if (!fitsShort(New_MousePointer))
        throw RuntimeError::overflow(
            QStringLiteral("MousePointer %1 is not a 16-bit value").arg(New_MousePointer));
    m_MousePointer = qint16(New_MousePointer);
    applyCursor();
}

void ucSlider::setMouseIcon(const SliderPicture& New_MouseIcon) {
    m_MouseIcon = New_MouseIcon;
    applyCursor();
}

void ucSlider::setMax(qint32 New_Max) {
    if (New_Max <= m_Min)
        throw RuntimeError::invalidPropertyValue(
            QStringLiteral("Max %1 is not greater than Min %2").arg(New_Max).arg(m_Min));
    const auto range = rangeOf(m_Min, New_Max);
    if (!range)
        throw RuntimeError::overflow(
            QStringLiteral("the range %1 to %2 does not fit in 32 bits").arg(m_Min).arg(New_Max));
    // Value and thumb stay and nothing is redrawn, even when Value now lies above Max.
    m_Max = New_Max;
    m_Range = *range;
}

void ucSlider::setMin(qint32 New_Min) {
    if (New_Min >= m_Max)
        throw RuntimeError::invalidPropertyValue(
            QStringLiteral("Min %1 is not less than Max %2").arg(New_Min).arg(m_Max));
    const auto range = rangeOf(New_Min, m_Max);
    if (!range)
        throw RuntimeError::overflow(
            QStringLiteral("the range %1 to %2 does not fit in 32 bits").arg(New_Min).arg(m_Max));
    m_Min = New_Min;
    // The range is set before the value moves to Min, so that handlers of the events that
    // follow see the new range when they assign Value themselves.
    m_Range = *range;
    setValue(New_Min);
}

void ucSlider::setValue(qint32 New_Value) {
    if (New_Value < m_Min || New_Value > m_Max)
        throw RuntimeError::invalidPropertyValue(
            QStringLiteral("Value %1 is outside %2 to %3").arg(New_Value).arg(m_Min).arg(m_Max));
    m_Value = New_Value;
    if (m_Value == m_LastValue)
        return;
    // During a drag the thumb stays where the pointer put it.
    if (!m_Dragging) {
        if (const auto t = travel()) {
            if (const auto pos = positionForValue(m_Orientation, *t, m_Value, m_Min, m_Range))
                (m_Orientation == Horizontal ? imgSlider.left : imgSlider.top) = *pos;
        }
    }
    DrawSlider();
    m_LastValue = m_Value;
    QAccessibleValueChangeEvent announced(this, m_Value);
    QAccessible::updateAccessibility(&announced);
    emit Change();
    // Handlers may have assigned Value again: test what it is now.
    if (m_Value == m_Max)
        emit ArrivedLast();
    if (m_Value == m_Min)
        emit ArrivedFirst();
}

void ucSlider::setOrientation(qint32 New_Orientation) {
    m_Orientation = New_Orientation;
    ResetThumb();
    LayoutPass();
}

void ucSlider::setRailStyle(qint32 New_RailStyle) {
    m_RailStyle = New_RailStyle;
    LayoutPass();
}

void ucSlider::setSliderImage(const SliderPicture& New_SliderImage) {
    setThumbPicture(New_SliderImage);
    LayoutPass();
}

void ucSlider::setRailImage(const SliderPicture& New_RailImage) {
    setRailPicture(New_RailImage);
    LayoutPass();
}

void ucSlider::setShowValueTip(bool New_ShowValueTip) {
    m_ShowValueTip = New_ShowValueTip;
}

void ucSlider::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutPass();
}

void ucSlider::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    DrawSlider();
}

void ucSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_Surface);
}

void ucSlider::mousePressEvent(QMouseEvent* event) {
    event->accept();
    PressHandler(buttonCode(event->button()), shiftCode(event->modifiers()),
                 float(event->position().x()), float(event->position().y()));
}

void ucSlider::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    MoveHandler(buttonCode(event->buttons()), shiftCode(event->modifiers()),
                float(event->position().x()), float(event->position().y()));
}

void ucSlider::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    ReleaseHandler(buttonCode(event->button()), shiftCode(event->modifiers()),
                   float(event->position().x()), float(event->position().y()));
}

void ucSlider::stepTo(qint64 New_Value) {
    if (!m_Enabled || m_Dragging)
        return;
    const qint32 before = m_Value;
    setValue(qint32(std::clamp<qint64>(New_Value, m_Min, m_Max)));
    if (m_Value != before || m_KeyChangePending) {
        m_KeyChangePending = false;
        emit changeSettled();
    }
}

void ucSlider::keyPressEvent(QKeyEvent* event) {
    const auto wanted = valueForKey(event->key(), m_Value, m_Min, m_Max);
    const bool plain =
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!wanted || !plain || !m_Enabled) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // The pointer owns the thumb until it lets go.
    if (m_Dragging)
        return;
    stepBy(*wanted);
}

void ucSlider::stepBy(qint64 New_Value) {
    const qint32 before = m_Value;
    setValue(qint32(std::clamp<qint64>(New_Value, m_Min, m_Max)));
    if (m_Value != before)
        m_KeyChangePending = true;
    if (m_ShowValueTip)
        ShowTip();
}

void ucSlider::hideStepTip() {
    // A drag that began meanwhile keeps its tip.
    if (!m_Dragging)
        ucSliderTip::unload();
}

void ucSlider::wheelEvent(QWheelEvent* event) {
    // A disabled slider leaves the wheel to its parent (a scrolling window scrolls).
    if (!m_Enabled) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_Dragging)
        return;
    // Away from the user, or to the right, goes towards Max, as Up and Right do.
    const QPoint angle = event->angleDelta();
    const qint64 across = angle.x();
    const qint64 along = angle.y();
    qint64 delta = qAbs(across) > qAbs(along) ? -across : along;
    if (event->inverted())
        delta = -delta;
    constexpr qint64 notch = QWheelEvent::DefaultDeltasPerStep;
    m_WheelRemainder += delta;
    const qint64 steps = m_WheelRemainder / notch;
    m_WheelRemainder -= steps * notch;
    m_WheelRest.start();
    if (steps != 0)
        stepBy(m_Value + steps);
}

void ucSlider::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats press and release; the change is complete at the real release.
    if (!event->isAutoRepeat()) {
        settleKeyChange();
        hideStepTip();
    }
    QWidget::keyReleaseEvent(event);
}

void ucSlider::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    DrawSlider();
}

void ucSlider::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // The release of a key may go to the widget that took the focus.
    settleKeyChange();
    hideStepTip();
    DrawSlider();
}

void ucSlider::settleKeyChange() {
    if (!std::exchange(m_KeyChangePending, false))
        return;
    emit changeSettled();
}

bool ucSlider::railPictureInUse() const {
    return m_RailStyle == RailPicture && !imgRail.picture.isNone();
}

std::optional<qint32> ucSlider::travel() const {
    return SliderGeometry::travel(m_Orientation, size(), thumbSize());
}

bool ucSlider::canDrag() const {
    const auto t = travel();
    return t && *t > 0;
}

void ucSlider::setThumbPicture(const SliderPicture& picture) {
    // Without a picture the holder returns to its initial size, the 16 x 16 button.
    imgSlider.picture = picture;
    imgSlider.width = picture.isNone() ? ThumbHolder().width : picture.width();
    imgSlider.height = picture.isNone() ? ThumbHolder().height : picture.height();
}

void ucSlider::setRailPicture(const SliderPicture& picture) {
    imgRail.picture = picture;
    imgRail.width = picture.isNone() ? RailHolder().width : picture.width();
    imgRail.height = picture.isNone() ? RailHolder().height : picture.height();
}

void ucSlider::applyCursor() {
    if (m_MousePointer == PointerCustom && !m_MouseIcon.isNone())
        setCursor(QCursor(QPixmap::fromImage(m_MouseIcon.image())));
    else if (m_MousePointer > PointerDefault && m_MousePointer < qint16(cursorShapes.size()))
        setCursor(cursorShapes[size_t(m_MousePointer)]);
    else
        unsetCursor();
}

void ucSlider::LayoutPass() {
    const bool railInUse = railPictureInUse();

    // Resizing a visible widget runs this pass again at once; it finds the size already right.
    if (const auto outer = outerSize(m_Orientation, railInUse, railSize(), thumbSize(), size());
        outer && *outer != size())
        resize(*outer);

    if (const auto cross = thumbCrossPosition(m_Orientation, railInUse, railSize(), thumbSize())) {
        (m_Orientation == Horizontal ? imgSlider.top : imgSlider.left) = *cross;
        if (const auto t = travel()) {
            if (const auto pos = positionForValue(m_Orientation, *t, m_Value, m_Min, m_Range))
                (m_Orientation == Horizontal ? imgSlider.left : imgSlider.top) = *pos;
        }
    }

    if (const auto groove = SliderGeometry::railGroove(m_Orientation, size(), thumbSize()))
        rcRail = *groove;

    DrawSlider();
}

void ucSlider::ResetThumb() {
    if (m_Orientation == Horizontal) {
        imgSlider.left = 0;
        imgSlider.top = 0;
    } else if (m_Orientation == Vertical) {
        imgSlider.left = 0;
        imgSlider.top = float(height() - imgSlider.height);
    }
}

void ucSlider::DrawSlider() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (pixels.isEmpty()) {
        m_Surface = QPixmap();
    } else {
        if (m_Surface.size() != pixels) {
            m_Surface = QPixmap(pixels);
            m_Surface.setDevicePixelRatio(ratio);
        }
        QPainter painter(&m_Surface);
        painter.fillRect(rect(), OleColor::toColour(m_BackColor, palette()));

        if (m_RailStyle == RailPicture) {
            if (!imgRail.picture.isNone()) {
                if (const auto at = railPicturePosition(m_Orientation, size(), railSize()))
                    painter.drawImage(*at, imgRail.picture.image());
            }
        } else if (m_RailStyle >= 0 && m_RailStyle < qint32(railEdges.size())) {
            Edge::draw(painter, rcRail, railEdges[size_t(m_RailStyle)], Edge::Rect, palette());
        }

        if (!imgSlider.picture.isNone()) {
            // Fractional thumb positions go to the nearest pixel, ties to even, as for the
            // button below.
            const auto left = nearest(imgSlider.left);
            const auto top = nearest(imgSlider.top);
            if (left && top)
                painter.drawImage(QPoint(*left, *top), imgSlider.picture.image());
        } else if (const auto button =
                       SliderGeometry::thumbButton(imgSlider.left, imgSlider.top, thumbSize())) {
            rcThumb = *button;
            painter.fillRect(QRect(QPoint(rcThumb.left, rcThumb.top),
                                   QPoint(rcThumb.right - 1, rcThumb.bottom - 1)),
                             OleColor::toColour(OleColor::ButtonFace, palette()));
            Edge::draw(painter, rcThumb, Edge::Raised, Edge::Rect, palette());
        }
        // Framed, as Qt's styles frame the focus, when the keyboard brought it here.
        if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            painter.setPen(palette().color(QPalette::Highlight));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        painter.end();
        update();
    }

    if (m_ShowValueTip && m_Dragging)
        ShowTip();
}

qint32 ucSlider::ValueFromThumb() {
    qint32 v = 0;
    const auto t = travel();
    if (!t)
        return v;
    const bool horizontal = m_Orientation == Horizontal;
    if (const auto value = valueForPosition(
            m_Orientation, *t, horizontal ? imgSlider.left : imgSlider.top, m_Min, m_Range))
        v = *value;
    // Snap: the thumb sits exactly on the value's position.
    if (const auto pos = positionForValue(m_Orientation, *t, v, m_Min, m_Range))
        (horizontal ? imgSlider.left : imgSlider.top) = *pos;
    return v;
}

void ucSlider::ShowTip() {
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    ucSliderTip& tip = ucSliderTip::instance();
    const QString text = QString::number(m_Value);
    QLabel* label = tip.lblTip();
    label->resize(tip.labelWidthFor(text), label->height());
    label->setText(text);
    TipPlacement placement = tipPlacement(m_Orientation, origin, imgSlider.left, imgSlider.top,
                                          thumbSize(), label->size());
    // Where that would leave the screen (a window at the top edge), the tip stays on it.
    const QRect thumb(
        origin + QPoint(nearest(imgSlider.left).value_or(0), nearest(imgSlider.top).value_or(0)),
        thumbSize());
    const QScreen* thumbScreen = QGuiApplication::screenAt(thumb.center());
    if (!thumbScreen)
        thumbScreen = screen();
    if (thumbScreen)
        placement =
            keepTipOnScreen(placement, m_Orientation, thumb, thumbScreen->availableGeometry());
    tip.setGeometry(QRect(placement.position, placement.size));
    // A tool-tip window already stays above the other windows, and showing it does not
    // activate it.
    tip.show();
}

void ucSlider::PressHandler(short Button, short Shift, float X, float Y) {
    if (!m_Enabled || Button != LeftButton)
        return;
    // With no travel to move along there is nothing to drag: the press is ignored.
    if (!canDrag())
        return;
    m_Dragging = true;
    const bool hit = X >= imgSlider.left && X < float(imgSlider.left + imgSlider.width) &&
                     Y >= imgSlider.top && Y < float(imgSlider.top + imgSlider.height);
    if (hit) {
        m_GrabX = X - imgSlider.left;
        m_GrabY = Y - imgSlider.top;
    } else {
        m_GrabX = float(halve(imgSlider.width).value_or(0));
        m_GrabY = float(halve(imgSlider.height).value_or(0));
        MoveHandler(Button, Shift, X, Y);
    }
    if (m_ShowValueTip)
        ShowTip();
    emit MouseDown(Shift);
}

void ucSlider::MoveHandler(short, short, float X, float Y) {
    // A handler may have changed the layout under the drag; without travel the thumb stays.
    if (!m_Dragging || !canDrag())
        return;
    if (m_Orientation == Horizontal) {
        const float d = X - m_GrabX;
        const float end = float(width() - imgSlider.width);
        imgSlider.left = d < 0 ? 0.0f : (end < d ? end : d);
    } else {
        const float d = Y - m_GrabY;
        const float end = float(height() - imgSlider.height);
        imgSlider.top = d < 0 ? 0.0f : (end < d ? end : d);
    }
    // With positive travel the thumb lies within it, so the value lies within Min..Max.
    setValue(ValueFromThumb());
}

void ucSlider::ReleaseHandler(short Button, short Shift, float X, float Y) {
    if (Button == LeftButton && X >= 0 && X < float(width()) && Y >= 0 && Y < float(height()))
        emit Click();
    if (m_Dragging)
        emit MouseUp(Shift);
    m_Dragging = false;
    ucSliderTip::unload();
}
