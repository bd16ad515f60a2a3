#pragma once

#include "host/hostfoldersearch.h"

class Dialogs;

// The main window's load step, run before the window is made: the host folder
// (findHostFolder), with its Windows path where a Wine prefix gave it. Without one it shows
// NoHostFolderMessage with the places looked at behind it, and the result says where it
// looked; the program must then end without showing its window. Module1::HostFolder is set
// as well, for those who know the name; nothing reads it.
HostFolderSearch runLoadStep(Dialogs& dialogs);
