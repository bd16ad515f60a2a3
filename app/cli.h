#pragma once

#include "compose/skinworkspace.h"

#include <QString>
#include <QStringList>

#include <optional>

// Making a skin without the window, for scripts:
//   varnel --export NAME [--hue N] [--saturation N] [--lightness N | --tint auto]
//          [--fit stretch|fill [--focus X,Y]] [--host-folder DIR] PICTURE
// Also answers --where (the host folder and where it came from), --help and --version.
// Needs no display.

// What `--export` was asked to do, once the arguments are known to be well formed.
struct ExportRequest {
    QString skinName;
    QString picture;
    MenuTint tint;
    // --tint auto: the tint is suggested from the picture instead.
    bool suggestTint = false;
    // Stretch unless --fit fill; the focus only ever differs from the centre with Fill.
    Framing framing;
    // Empty: the host folder comes from the same lookup as the window's.
    std::optional<QString> hostFolder;
};

// The arguments, understood: either text to print and an exit status (help, version, a
// usage error), the host-folder report, or an export to run.
struct ParsedCommandLine {
    std::optional<ExportRequest> exportRequest;
    QString text; // printed to stdout with status 0, to stderr otherwise
    int status = 0;
    bool where = false; // --where: report the host folder
};

// True when the arguments ask for the command line rather than the window.
bool asksForCommandLine(int argc, char** argv);

// Parses the arguments (arguments[0] is the program). Needs a QCoreApplication for the
// help text's program name and version.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

// Makes and saves the skin; prints the result or one line of reason (without a host folder:
// the start-up message, then each place looked at and why it gave none, a line each).
// Returns the exit status.
int runExport(const ExportRequest& request);

// Prints the host folder and where it came from (exit status 0), or the start-up message
// and the places looked at on standard error (exit status 1).
int runWhere();

// The exit status when the arguments ask for the command line, nothing when the window
// should start. An export ends the process itself once its report is printed.
std::optional<int> runCommandLine(int argc, char** argv);
