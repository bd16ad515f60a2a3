#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The host is a Windows program and reads its skin descriptions in the ANSI code page of
// the system it runs on. Under Wine that code page follows the user's Unix locale.

// The ANSI code page Wine takes for a POSIX locale name such as "ru_RU.UTF-8" or
// "sr_RS@latin": 1252 for C, POSIX, an empty name, Western languages and any it does not
// know.
int codePageForLocale(QByteArrayView localeName);

// The code page the host reads in: the system's on Windows, elsewhere the one Wine takes
// from LC_ALL, LC_CTYPE or LANG, the first that is set.
int hostCodePage();

// The text in the code page, or empty when a character has no place in it or would not
// read back as itself.
std::optional<QByteArray> encodeForCodePage(const QString& text, int codePage);

// The text in hostCodePage().
std::optional<QByteArray> encodeForHost(const QString& text);
