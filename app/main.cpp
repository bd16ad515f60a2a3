#include "app/loadstep.h"
#include "app/qtdialogs.h"
#include "app/varnel.h"
#include "compose/skinworkspace.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // ---- Command-line dispatcher: called here, before any application object exists, so
    // that a command needing no window can run without a display. It returns the exit
    // status when it handled the command line; otherwise the window starts below. ----

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel"));

    QtDialogs dialogs;
    SkinWorkspace workspace;
    Varnel window(dialogs, workspace);

    // The window exists but is not shown yet; the start-up message has no owner window.
    if (!RunLoadStep(dialogs))
        return 1;

    dialogs.setParentWidget(&window);
    window.show();
    return QApplication::exec();
}
