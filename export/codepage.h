#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The host is a Windows program and reads its skin descriptions in the 8-bit code page:
// the system's ANSI code page on Windows, Windows-1252 elsewhere. Empty when a character
// has no place in it.
std::optional<QByteArray> encodeForHost(const QString& text);
