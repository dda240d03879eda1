// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/round_record.h"

#include <QString>

#include <array>
#include <functional>

// What the game's lexicon says of a round's board: each slot's best word (chain order, empty
// where none fits) and the review in words, slot by slot.
struct RoundReview {
    std::array<QString, kRoundSlots> bestWords;
    QString text;
};
using RoundReviewer = std::function<RoundReview(const RoundRecord&)>;
