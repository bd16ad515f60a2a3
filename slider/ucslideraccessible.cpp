#include "slider/ucslideraccessible.h"

#include "slider/ucslider.h"

ucSliderAccessible::ucSliderAccessible(ucSlider* slider)
    : QAccessibleWidget(slider, QAccessible::Slider) {}

QAccessibleInterface* ucSliderAccessible::factory(const QString& className, QObject* object) {
    if (className == QLatin1String("ucSlider"))
        return new ucSliderAccessible(static_cast<ucSlider*>(object));
    return nullptr;
}

ucSlider* ucSliderAccessible::slider() const {
    return static_cast<ucSlider*>(widget());
}

void* ucSliderAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ucSliderAccessible::state() const {
    // The widget stays enabled so that a disabled slider still raises Click; what a reader
    // must hear is the control's own Enabled.
    QAccessible::State state = QAccessibleWidget::state();
    if (!slider()->Enabled()) {
        state.disabled = true;
        state.focusable = false;
    }
    return state;
}

QString ucSliderAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return QString::number(slider()->Value());
    return QAccessibleWidget::text(t);
}

QVariant ucSliderAccessible::currentValue() const {
    return slider()->Value();
}

void ucSliderAccessible::setCurrentValue(const QVariant& value) {
    bool ok = false;
    const qint64 wanted = qRound64(value.toDouble(&ok));
    if (ok)
        slider()->stepTo(wanted);
}

QVariant ucSliderAccessible::maximumValue() const {
    return slider()->Max();
}

QVariant ucSliderAccessible::minimumValue() const {
    return slider()->Min();
}

QVariant ucSliderAccessible::minimumStepSize() const {
    return 1;
}
