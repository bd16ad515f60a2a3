#include "app/program.h"

#include "app/cli.h"
#include "app/qtdialogs.h"
#include "app/startup.h"
#include "app/translations.h"
#include "app/varnel.h"
#include "compose/picturefile.h"
#include "compose/skinworkspace.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler g_qtMessages = nullptr;
QByteArray g_cannotOpen;

// Qt ends the process (abort) when no window system can be reached while the application
// object is made: no display, an unreachable one, a platform plugin that will not load.
// That is reported as the window not opening, whatever the platform, and ends with status 1.
void windowCannotOpen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        if (g_qtMessages)
            g_qtMessages(type, context, text);
        return;
    }
    std::fputs(g_cannotOpen.constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

int runVarnel(int argc, char* argv[]) {
    // Before any application object exists, so that the command line needs no display and
    // an unknown option is refused before the window is tried.
    const std::variant<int, WindowRequest> start = runCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&start))
        return *status;
    const WindowRequest& request = *std::get_if<WindowRequest>(&start);

    // Worded before the application object exists: Qt may end the process while making it.
    //: The command line's message when the window cannot open.
    const char* const cannotOpen = QT_TRANSLATE_NOOP(
        "CommandLine", "varnel: the window cannot open: no display can be used (is DISPLAY or "
                       "WAYLAND_DISPLAY set?). varnel --export and varnel --where need none.");
    g_cannotOpen = translatedWithoutApplication("CommandLine", cannotOpen).toLocal8Bit() + '\n';
    g_qtMessages = qInstallMessageHandler(windowCannotOpen);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_qtMessages);
    QApplication::setApplicationName(QStringLiteral("Varnel"));
    installTranslations();

    QtDialogs dialogs;
    SkinWorkspace workspace;
    // The start-up message has no owner window: the window is made only once there is a
    // host folder. A folder named on the command line replaces the lookup, as it does for
    // --export.
    const StartedWindow started = startWindow(dialogs, workspace, request.hostFolder);
    if (!started)
        return 1;
    Varnel& window = *started.window;
    dialogs.setParentWidget(&window);
    // The picture options, as if chosen in the window; `varnel PICTURE` loads the picture
    // as Load Image would, once the window is up.
    if (request.fit)
        window.chooseFit(*request.fit);
    if (request.tint)
        window.chooseTint(*request.tint);
    if (request.picture) {
        window.openPicture(*request.picture);
        if (workspace.hasSkin()) {
            if (request.focus)
                window.chooseFocus(*request.focus);
            if (request.suggestTint)
                window.SuggestTint_Click();
        }
    }
    return QApplication::exec();
}
