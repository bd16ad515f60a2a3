#include "app/cli.h"
#include "app/hostfolder.h"
#include "app/loadstep.h"
#include "app/qtdialogs.h"
#include "app/screenfit.h"
#include "app/varnel.h"
#include "compose/picturefile.h"
#include "compose/skinworkspace.h"
#include "export/stagemarks.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    stageMark("main");
    // Before any application object exists, so that the command line needs no display.
    if (const std::optional<int> status = runCommandLine(argc, argv))
        return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel"));

    QtDialogs dialogs;
    SkinWorkspace workspace;
    Varnel window(dialogs, workspace);

    // The window exists but is not shown yet; the start-up message has no owner window.
    QString windowsHostFolder;
    if (!runLoadStep(dialogs, &windowsHostFolder))
        return 1;

    window.setHostFolder(Module1::HostFolder, windowsHostFolder);
    dialogs.setParentWidget(&window);
    // On a screen smaller than the window, the window scrolls inside a frame that fits.
    const std::unique_ptr<ScrollingFrame> frame =
        frameForScreen(window, window.screen()->availableGeometry());
    if (frame)
        frame->show();
    else
        window.show();
    // `varnel PICTURE` loads the picture as Load Image would, once the window is up.
    // The picture's name as its bytes where the system gives bytes: see pathFromNativeBytes.
#ifdef Q_OS_WIN
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.openPicture(arguments.last());
#else
    if (argc > 1)
        window.openPicture(pathFromNativeBytes(QByteArray(argv[argc - 1])));
#endif
    return QApplication::exec();
}
