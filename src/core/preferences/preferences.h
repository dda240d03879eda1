// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

class QSettings;

// Which pair of colours tells a word from a non-word after a check.
enum class WordColours { Standard, ColourBlindSafe };

// The player's preferences. The defaults are the game as it always was.
struct Preferences {
    WordColours wordColours = WordColours::Standard;
    bool resumesAtLaunch = false; // launch brings back the kept board instead of dealing one
    bool typesThroughGiven = false; // a given letter the cursor stepped over, typed next, is typed through
    int zoomPercent = 100;        // the main window's size, one of kZoomSteps
    // Submit of a board with empty cells asks first; the daily board's one scored submission asks whatever this says.
    bool asksBeforeUnfinishedSubmit = true;
    // The interface's language code ("de"), or empty for the desktop's; applied at the next launch.
    QString interfaceLanguage {};

    bool operator==(const Preferences&) const = default;
};

// The sizes View > Zoom In and Zoom Out step through, in percent of the window as laid out.
inline constexpr std::array<int, 5> kZoomSteps {100, 125, 150, 175, 200};

// The step after `percent` (`direction` 1) or before it (-1), staying at either end; a
// percentage between steps goes to the nearest step that way.
int zoomStep(int percent, int direction);

// $XDG_CONFIG_HOME/sixfold/sixfold.conf, an INI file; never the statistics document.
QString preferencesFilePath();

// Reads the preferences; a key that is missing or holds anything unknown reads as its default.
Preferences loadPreferences(QSettings& settings);
// Writes the preferences and syncs them to the file; false when the file could not be written
// (a folder in its place, no permission, a full disk, a file QSettings cannot parse).
bool savePreferences(QSettings& settings, const Preferences& preferences);

// Whether `player` has been shown the How to play card, which a player sees once; remembered
// beside the preferences, never in the statistics record.
bool hasSeenHowToPlay(QSettings& settings, const QString& player);
void rememberHowToPlaySeen(QSettings& settings, const QString& player);
