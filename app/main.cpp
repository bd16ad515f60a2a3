#include "app/cli.h"
#include "app/qtdialogs.h"
#include "app/startup.h"
#include "app/varnel.h"
#include "compose/skinworkspace.h"
#include "export/stagemarks.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    stageMark("main");
    // Before any application object exists, so that the command line needs no display.
    if (const std::optional<int> status = runCommandLine(argc, argv))
        return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel"));

    QtDialogs dialogs;
    SkinWorkspace workspace;
    // The start-up message has no owner window: the window is made only once there is a
    // host folder.
    const StartedWindow started = startWindow(dialogs, workspace);
    if (!started)
        return 1;
    dialogs.setParentWidget(started.window.get());
    // `varnel PICTURE` loads the picture as Load Image would, once the window is up.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        started.window->openPicture(arguments.last());
    return QApplication::exec();
}
