#include "app/accessibleroles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface* windowRoles(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("Varnel") || className == QLatin1String("ScrollingFrame"))
        return new QAccessibleWidget(widget,
                                     widget->isWindow() ? QAccessible::Window : QAccessible::Pane);
    if (className == QLatin1String("ImagePreview"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void installAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(&windowRoles);
        return true;
    }();
    Q_UNUSED(installed);
}
