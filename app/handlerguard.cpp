#include "app/handlerguard.h"

#include "app/dialogs.h"

#include <QString>

#include <exception>

void runGuarded(Dialogs& dialogs, const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& e) {
        dialogs.message(QString::fromUtf8(e.what()));
    } catch (...) {
        dialogs.message(QStringLiteral("An unexpected error stopped this action."));
    }
}
