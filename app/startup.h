#pragma once

#include <QString>

#include <memory>
#include <optional>

class Dialogs;
class ScrollingFrame;
class SkinWorkspace;
class Varnel;

// The main window as start-up shows it: on a screen smaller than the window, inside a
// scrolling frame that fits.
struct StartedWindow {
    std::unique_ptr<Varnel> window;
    // After the window, so it is destroyed first and hands the window back.
    std::unique_ptr<ScrollingFrame> frame;

    StartedWindow();
    StartedWindow(StartedWindow&&) noexcept;
    StartedWindow& operator=(StartedWindow&&) noexcept;
    ~StartedWindow();
    explicit operator bool() const { return window != nullptr; }
};

// Start-up once the application object exists, for main() and the benchmark alike: the load
// step, then the main window with the host folder it found, shown. Empty when there is no
// host folder: the load step has told the user, and the program must end. A `hostFolder`
// given (named on the command line) replaces the load step.
StartedWindow startWindow(Dialogs& dialogs, SkinWorkspace& workspace,
                          const std::optional<QString>& hostFolder = std::nullopt);
