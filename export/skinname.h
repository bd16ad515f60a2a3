#pragma once

#include <QString>

// Why a skin name cannot be used, or an empty string when it can. The name becomes part
// of five file names and of the description's text, so it must stay inside the skins
// folder, be storable on Windows and fit the host's code page. Leading and trailing
// blanks are allowed and kept.
QString skinNameProblem(const QString& name);

// The problem of an empty name: what Save Skin says when the name box is empty.
inline const char* const EnterNameMessage = "Enter a name for your Skin.";
