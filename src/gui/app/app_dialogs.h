// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/game/game.h"
#include "core/preferences/preferences.h"

#include <QString>

#include <functional>

class QWidget;
struct Preferences;

enum class HelpPage { HowToPlay, About, KeyboardShortcuts };

// A help page in a box of its own over `parent`, which the player may leave open.
void showHelp(QWidget* parent, HelpPage page);

// The How to play card, Help's page as a player new to the game first sees it: over `parent`
// until one key (Return, Space or Escape) or a click closes it. It holds the window's keys
// until then when `holdsWindow`, open beside the game otherwise; neither waits in a loop of its own.
void showHowToPlay(QWidget* parent, bool holdsWindow);

// Submit asks first, as `question` says; `submit` runs once the box is gone if the player
// chose to submit, told whether they ticked "Don't ask again". The default, Escape and
// closing the box submit nothing.
void askBeforeSubmit(QWidget* parent, const Game::Question& question, std::function<void(bool stopAsking)> submit);

// Game > Play Board Code: asks for a code and hands the one typed to `play`.
void askForBoardCode(QWidget* parent, std::function<void(const QString&)> play);

// The last round's review in words (or, before the first, how to have one), when the
// history that draws it cannot be had.
void showReviewText(QWidget* parent, const QString& review);

// Game > Preferences: their choices take effect and are saved on OK. A file that cannot be
// written is said once a run, like every other file's failure; `hasReportedUnsaved` remembers it.
void showPreferences(QWidget* parent, bool* hasReportedUnsaved);

// Saves `preferences`, saying the first failure of a run on the console as the dialog does.
void savePreferencesOrSay(const Preferences& preferences, bool* hasReportedUnsaved);
