#pragma once

#include <QLocale>
#include <QString>

// The user's language. Varnel's catalogue and Qt's own (the standard dialogs, the command
// line's parser) are built into the program and chosen from the system's locale; English,
// the source language, needs none. Where Qt's catalogue lacks a text Varnel shows, our
// qt_supplement_LANG catalogue gives it under Qt's own context.

// Installs the catalogues for the system's locale into the application object that exists
// now. Each new application object needs this again; the catalogues are read once.
void installTranslations();

// The catalogues for `locale` instead, replacing any installed before (tests).
void installTranslations(const QLocale& locale);

// The catalogue's text while no application object exists (a message Qt's start-up may need
// after it); the source text where the catalogue has none.
QString translatedWithoutApplication(const char* context, const char* sourceText);
