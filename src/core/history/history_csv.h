// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/round_record.h"

#include <QByteArray>
#include <QList>

class HistoryDatabase;

// The header line and one line per round, oldest first, in UTF-8 with CRLF line ends and
// RFC 4180 quoting. Columns: played_at (ISO 8601 UTC, seconds), player, round_score,
// computer_score, result (won, drawn or lost), words_made, computer_words (five words,
// space separated), then slot_1 .. slot_5 (the letters as left, a space per empty cell)
// each followed by its score (slot_1_score .. slot_5_score; 0 when not a word).
QByteArray roundsToCsv(const QList<RoundRecord>& rounds);
// The same a line at a time, for a history too long to hold at once.
QByteArray csvHeader();
QByteArray csvLine(const RoundRecord& round);

// What an export of a player's rounds came to: how many went out, or why none did.
struct CsvExport {
    qint64 rounds = 0;
    QString problem;
};
// Writes the player's rounds to `filePath` as they are read, a piece at a time, so that memory
// stays flat however long the history; on whatever thread owns `history`. Written as every kept
// file is: a failure at any step (a full disk, an unreadable history) keeps the file that was there.
CsvExport exportRoundsCsv(HistoryDatabase& history, const QString& player, const QString& filePath);

// One field, quoted when it holds a comma, a double quote, a CR or an LF; a text that starts
// with =, +, - or @ gets an apostrophe in front, so that a spreadsheet does not run it.
QByteArray csvField(const QString& text);
