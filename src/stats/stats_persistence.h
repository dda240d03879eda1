#pragma once

#include <QByteArray>

// Opens the user-defaults store, chooses the player (the last one, else the login name)
// and loads that player's statistics.
void loadPrefs();

// Loads the record of the player named in gUserName into gCurrStats; a player without a
// record is welcomed and starts from zero. Needs gPrefsDict.
void loadUserStats();

// Stores gCurrStats as the record of gUserName, whole, and makes gUserName the last player.
void saveStats();

// Stores gUserName as the last player, and nothing else (at quit).
void saveLastUser();

// The longest start of `text` that fits in `maxBytes` without splitting a UTF-8 character.
QByteArray cutAtCharacterBoundary(const QByteArray& text, int maxBytes);

// Makes `name` (UTF-8, at most 31 bytes) the current player's name.
void setUserName(const QByteArray& name);
