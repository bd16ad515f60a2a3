#include "app/startup.h"

#include "app/loadstep.h"
#include "app/screenfit.h"
#include "app/varnel.h"
#include "host/hostfolder.h"

#include <QScreen>

StartedWindow::StartedWindow() = default;
StartedWindow::StartedWindow(StartedWindow&&) noexcept = default;
StartedWindow& StartedWindow::operator=(StartedWindow&&) noexcept = default;

StartedWindow::~StartedWindow() = default;

StartedWindow startWindow(Dialogs& dialogs, SkinWorkspace& workspace,
                          const std::optional<QString>& hostFolder) {
    StartedWindow started;
    HostFolderSearch search;
    if (hostFolder) {
        search.folder = *hostFolder;
        Module1::HostFolder = search.folder;
    } else {
        search = runLoadStep(dialogs);
        if (!search.found())
            return started;
    }
    started.window =
        std::make_unique<Varnel>(dialogs, workspace, search.folder, search.windowsFolder);
    // On a screen smaller than the window, the window scrolls inside a frame that fits.
    started.frame = frameForScreen(*started.window, started.window->screen()->availableGeometry());
    if (started.frame)
        started.frame->show();
    else
        started.window->show();
    return started;
}
