#pragma once

#include <QString>

#include <cstdio>

// The one place that knows how a command line's text reaches the terminal.

// A window-subsystem program starts without a console; on Windows this joins the console of
// the program that started it, unless the standard handles already lead somewhere (a pipe,
// a file, the console twin's handles). Elsewhere it does nothing.
void attachParentConsole();

// Writes one line: to a Windows console as UTF-16, so every letter shows whatever the
// console's code page; to anything else in the local 8-bit encoding.
void printLine(FILE* stream, const QString& text);
