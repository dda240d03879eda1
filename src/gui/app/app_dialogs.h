// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;
struct Preferences;

enum class HelpPage { HowToPlay, About, KeyboardShortcuts };

// A help page in a box of its own over `parent`, which the player may leave open.
void showHelp(QWidget* parent, HelpPage page);

// Game > Play Board Code: asks for a code and hands the one typed to `play`.
void askForBoardCode(QWidget* parent, std::function<void(const QString&)> play);

// The last round's review in words (or, before the first, how to have one), when the
// history that draws it cannot be had.
void showReviewText(QWidget* parent, const QString& review);

// Game > Preferences: their choices take effect and are saved on OK. A file that cannot be
// written is said once a run, like every other file's failure; `hasReportedUnsaved` remembers it.
void showPreferences(QWidget* parent, bool* hasReportedUnsaved);

// Saves `preferences`, saying as above when they cannot be.
void savePreferencesOrSay(const Preferences& preferences, bool* hasReportedUnsaved);
