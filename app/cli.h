#pragma once

#include <optional>

// Making a skin without the window, for scripts:
//   varnel --export NAME [--hue N] [--saturation N] [--lightness N] [--host-folder DIR] PICTURE
// Also answers --help and --version. Returns the exit status when the arguments ask for
// the command line, nothing when the window should start. Needs no display.
std::optional<int> runCommandLine(int argc, char** argv);
