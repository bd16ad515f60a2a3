#pragma once

#include "compose/skinworkspace.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

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

// The window's start without --export: the picture options set it up as if the user had
// chosen them (the sliders, Picture fit, Suggest Tint after the picture is loaded), and
// --host-folder replaces the lookup.
struct WindowRequest {
    std::optional<QString> picture;
    std::optional<MenuTint> tint; // any of --hue, --saturation, --lightness given
    bool suggestTint = false;     // --tint auto: pressed once the picture is loaded
    std::optional<Fit> fit;
    std::optional<FocusPoint> focus; // applied after the picture, which starts centred
    std::optional<QString> hostFolder;
};

// The arguments, understood: either text to print and an exit status (help, version, a
// usage error), the host-folder report, an export to run or the window to open.
struct ParsedCommandLine {
    std::optional<ExportRequest> exportRequest;
    std::optional<WindowRequest> windowRequest;
    QString text; // printed to stdout with status 0, to stderr otherwise
    int status = 0;
    bool where = false; // --where: report the host folder
};

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

// The exit status when the arguments ask for the command line or are not understood (an
// unknown option is a usage error, window or not), otherwise what the window starts with.
// An export ends the process itself once its report is printed.
std::variant<int, WindowRequest> runCommandLine(int argc, char** argv);
