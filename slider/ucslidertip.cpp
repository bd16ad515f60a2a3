#include "slider/ucslidertip.h"

#include "slider/olecolor.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPointer>

namespace {

constexpr quint32 tipBackColor = OleColor::fromRgb(192, 192, 255);
constexpr double readableContrast = 4.5;

QPointer<ucSliderTip>& sharedTip() {
    static QPointer<ucSliderTip> tip;
    return tip;
}

ucSliderTip::TextWidthFunction& textWidthFunction() {
    static ucSliderTip::TextWidthFunction function;
    return function;
}

int textWidth(const QFont& font, const QString& text) {
    if (const auto& function = textWidthFunction())
        return function(font, text);
    return QFontMetrics(font).horizontalAdvance(text);
}

} // namespace

ucSliderTip::ucSliderTip()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("lblTip"));

    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    setFont(font);

    const Colours shown = colours(palette());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, shown.background);
    setPalette(palette);

    m_lblTip = new QLabel(QStringLiteral("lblTip"), this);
    m_lblTip->setObjectName(QStringLiteral("lblTip"));
    m_lblTip->setFocusPolicy(Qt::NoFocus);
    m_lblTip->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold, true));
    // The label lets the window's background show through and draws only its text.
    QPalette labelPalette = m_lblTip->palette();
    labelPalette.setColor(QPalette::WindowText, shown.text);
    m_lblTip->setPalette(labelPalette);
    m_lblTip->setGeometry(2, 1, 31, 21);

    resize(40, 23);
}

ucSliderTip::~ucSliderTip() = default;

ucSliderTip::Colours ucSliderTip::colours(const QPalette& palette) {
    const Colours designed{OleColor::toColour(tipBackColor, palette),
                           OleColor::toColour(OleColor::WindowText, palette)};
    if (OleColor::contrastRatio(designed.background, designed.text) >= readableContrast)
        return designed;
    const Colours toolTip{palette.color(QPalette::ToolTipBase),
                          palette.color(QPalette::ToolTipText)};
    if (OleColor::contrastRatio(toolTip.background, toolTip.text) >= readableContrast)
        return toolTip;
    return {designed.background, QColor(Qt::black)};
}

ucSliderTip& ucSliderTip::instance() {
    QPointer<ucSliderTip>& tip = sharedTip();
    if (!tip)
        tip = new ucSliderTip;
    return *tip;
}

ucSliderTip* ucSliderTip::existing() {
    return sharedTip().data();
}

void ucSliderTip::unload() {
    delete sharedTip().data();
}

void ucSliderTip::setTextWidthFunction(TextWidthFunction function) {
    textWidthFunction() = std::move(function);
}

int ucSliderTip::labelWidthFor(const QString& text) const {
    return std::max(textWidth(font(), text), textWidth(m_lblTip->font(), text));
}

void ucSliderTip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_Surface = QPixmap(size() * devicePixelRatio());
    m_Surface.setDevicePixelRatio(devicePixelRatio());
    if (m_Surface.isNull())
        return;
    const QColor light = OleColor::toColour(OleColor::Highlight3D, palette());
    const QColor dark = OleColor::toColour(OleColor::DarkShadow3D, palette());
    QPainter painter(&m_Surface);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.fillRect(QRect(0, 0, w, 1), light);
    painter.fillRect(QRect(0, 0, 1, h), light);
    painter.fillRect(QRect(w - 1, 0, 1, h), dark);
    painter.fillRect(QRect(0, h - 1, w, 1), dark);
}

void ucSliderTip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_Surface);
}
