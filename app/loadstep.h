#pragma once

#include <QString>

class Dialogs;
struct HostFolderSearch;

// The host folder as the host-folder setting holds it, or "" when it is missing or empty.
// The load step searches further (findHostFolder); this is its first place.
QString readHostFolderSetting();

// The details of the start-up message: each place looked at and why it gave no folder (as
// varnel --where prints them), then how to name the folder.
QString noHostFolderDetails(const HostFolderSearch& search);

// The main window's load step, run before the window is first shown: looks up the
// documents folder and the host folder (findHostFolder). On success sets Module1::HostFolder,
// and `windowsFolder` to the folder's Windows path where a Wine prefix gave it, and
// returns true. Without a host folder shows "Please install a valid copy of Norvo 7." and returns
// false; the program must then end without showing its window.
bool runLoadStep(Dialogs& dialogs, QString* windowsFolder = nullptr);
