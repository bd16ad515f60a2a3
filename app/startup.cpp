#include "app/startup.h"

#include "app/loadstep.h"
#include "app/screenfit.h"
#include "app/varnel.h"

#include <QScreen>

StartedWindow::StartedWindow() = default;
StartedWindow::StartedWindow(StartedWindow&&) noexcept = default;
StartedWindow& StartedWindow::operator=(StartedWindow&&) noexcept = default;

StartedWindow::~StartedWindow() = default;

StartedWindow startWindow(Dialogs& dialogs, SkinWorkspace& workspace) {
    StartedWindow started;
    const HostFolderSearch search = runLoadStep(dialogs);
    if (!search.found())
        return started;
    started.window = std::make_unique<Varnel>(dialogs, workspace, search.folder);
    // On a screen smaller than the window, the window scrolls inside a frame that fits.
    started.frame = frameForScreen(*started.window, started.window->screen()->availableGeometry());
    if (started.frame)
        started.frame->show();
    else
        started.window->show();
    return started;
}
