// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The interface's language: the menus, dialogs and messages. The words played stay English
// whatever it is, since the dictionary is.

// English, which the program's own text is written in and needs no catalogue.
inline constexpr char kSourceLanguage[] = "en";

// The languages a catalogue is shipped for, found as translations/sixfold_<code>.qm in the
// resource directory (so a build or a package adds one by adding its file), English first.
QStringList shippedLanguages();

// A language's name in itself, as a menu item shows it ("Français").
QString languageName(const QString& code);

// The language to speak: `chosen` when it is shipped, else the first of `desktop` (the
// desktop's languages, most wanted first, as "de-AT" or "fr") that is shipped, else English.
QString chooseLanguage(const QString& chosen, const QStringList& desktop, const QStringList& shipped);

// The desktop's languages as it asks for them: LANGUAGE, then LC_ALL, LC_MESSAGES and LANG.
QStringList desktopLanguages();

// The language to speak now: the one chosen in the preferences, else the desktop's.
QString launchLanguage();

// Installs `code`'s catalogues (the game's and Qt's own, for its standard dialogs) on the
// running application, and makes it the locale numbers are written in. English installs
// none. A missing or unreadable catalogue leaves those strings English and says so on the
// console; it is never fatal.
void speakLanguage(const QString& code);

// The language speakLanguage installed, English before it is called.
QString spokenLanguage();
