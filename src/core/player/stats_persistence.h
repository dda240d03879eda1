// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// Opens the user-defaults store, chooses the player (the last one, else the login name)
// and loads that player's statistics.
void loadPrefs();

// Loads the record of the player named in gUserName into gCurrStats; a player without a
// record is welcomed and starts from zero. Needs gPrefsDict.
void loadUserStats();

// Stores gCurrStats as the record of gUserName, whole, and makes gUserName the last player.
// When another game has changed that record since this one loaded it, its figures are
// taken instead, keeping this game's better bests.
void saveStats();

struct RoundTotals;

// Adds a submitted round to the record of gUserName as it is stored now (another game may
// have added rounds since this one loaded it), under the store's lock, keeping the better of
// the stored and the current bests; the result becomes gCurrStats. With one game running
// that is gCurrStats plus the round. When the store cannot be written the round is added in
// memory and again at the next submission that can be stored.
void submitRound(const RoundTotals& round);

// Stores gUserName as the last player, and nothing else (at quit).
void saveLastUser();

// Stores the current player's best word and best round score when a check has raised either
// since the record was last read or written, and nothing else of the record (at quit and before
// a change of player), so that no best the player was told of is lost.
void saveRaisedBests();

// The longest start of `text` that fits in `maxBytes` without splitting a UTF-8 character.
QByteArray cutAtCharacterBoundary(const QByteArray& text, int maxBytes);

// Makes `name` (UTF-8, at most 31 bytes) the current player's name.
void setUserName(const QByteArray& name);
