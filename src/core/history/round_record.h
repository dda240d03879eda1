// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_geometry.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <optional>

// One of the five word places of a round, with the computer's word for it and what the
// player left in it. Together the five slots redraw the board: a cell that two slots share
// is a crossing cell, which showed the computer's letter.
struct SlotRecord {
    int x = 0; // start cell, 0 <= x, y < kBoardSize
    int y = 0;
    Direction direction = Direction::Across;
    QString solution; // the computer's six-letter word
    QString letters; // the six cells as the player left them, a space for an empty cell
    bool isWord = false;
    int score = 0; // 0 unless isWord

    bool operator==(const SlotRecord&) const = default;
};

inline constexpr int kRoundSlots = kWordCount;

// One submitted round, everything needed to show it again.
struct RoundRecord {
    QString player;
    QDateTime playedAt; // UTC; kept to the millisecond
    int computerScore = 0;
    std::array<SlotRecord, kRoundSlots> wordSlots; // chain order: across, down, across, down, across
    int roundScore = 0;
    int wordsMade = 0;
    // The daily board's number when this round is the player's result for that day (the
    // first submission of it), else 0. Written with the round; not read back with it.
    int dailyNumber = 0;
    // The best round score the board allowed; none for a round kept before it was recorded.
    std::optional<int> bestPossible;
    // Letters the game filled in for the player; 0 for a round kept before hints were counted.
    int hints = 0;

    // The best possible score as it may be shown: none for a figure below the computer's own
    // score, which no board gives (a damaged lexicon once stored such figures).
    std::optional<int> knownBestPossible() const
    {
        return bestPossible && *bestPossible >= computerScore ? bestPossible : std::nullopt;
    }

    bool operator==(const RoundRecord&) const = default;
};
