#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class ucSlider;

// What assistive technology sees of a ucSlider: a slider whose name comes from its label
// (the label's buddy) unless the host sets an accessible name, with a value interface.
// Setting the value through it works as a keyboard change does.
class ucSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ucSliderAccessible(ucSlider* slider);

    // Registered once with QAccessible::installFactory by the first slider made.
    static QAccessibleInterface* factory(const QString& className, QObject* object);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    ucSlider* slider() const;
};
