// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_geometry.h"

#include <QString>

#include <array>
#include <optional>

// A submitted round as Copy Result shares it: how it went, never a letter of it.
struct RoundOutcome {
    QString boardName; // "Daily #12" or the board's code
    bool practice {}; // a daily board played again after the day's result
    int playerScore {};
    int computerScore {};
    std::optional<int> bestPossible; // the most the board allows, when known
    std::array<bool, kWordCount> isWord {}; // the slots in chain order
    int hints {}; // letters the game filled in
};

// Plain text for a chat: the game's name and the board, the scores, and one mark per slot
// (✓ a word, ✗ not a word) so that the result reads without colour.
QString shareableResult(const RoundOutcome& outcome);

// The sentence a round ends with, as a screen reader hears it: "Round over: your score 47, the
// computer's 17, you won by 30."
QString roundSummary(int yours, int computers);

// Who won a round and by how much, as the review says it.
QString roundMargin(int yours, int computers);
