#pragma once

#include <QString>

// Why a skin name cannot be used, or an empty string when it can. The name becomes part
// of five file names and of the description's text, so it must stay inside the skins
// folder, be storable on Windows and fit the host's code page. Leading and trailing
// blanks are allowed and kept; a name of only blanks and dots is no name.
QString skinNameProblem(const QString& name);

// The problem of a missing name: what Save Skin says when the name box is empty. The
// fixed messages are translated in the context "Messages".
//: Save Skin's message when the name box is empty (or holds only blanks and dots).
inline const char* const EnterNameMessage =
    QT_TRANSLATE_NOOP("Messages", "Enter a name for your Skin.");

// Windows opens no file whose full path, with its terminating character, is longer.
inline constexpr qsizetype WindowsPathLimit = 260;

// Why the host could not open a skin of this name, or an empty string when it could (or
// when the host folder's Windows path is not known: `windowsHostFolder` empty). Each of the
// five files is windowsHostFolder + "\Skins\" + name + its ending, joined as the export
// joins them.
QString skinPathProblem(const QString& windowsHostFolder, const QString& name);
