// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_state.h"
#include "core/history/round_record.h"
#include "core/round/round_review.h"

#include <cstddef>
#include <optional>

// A round's review names the best word that fitted each slot and three more.
inline constexpr size_t kReviewedWordsPerSlot = 4;

// A kept round's board again, from its words and their places, with the letters the player
// left judged as they were; none where the words do not chain.
std::optional<BoardState> boardOf(const RoundRecord& round);

// The best round score a kept round's board allowed, by the shared lexicon; none where the
// board cannot be made again or the lexicon cannot tell.
std::optional<int> bestPossibleOf(const RoundRecord& round);

// A round's review as it was when played: the best score it kept, where it kept one.
RoundReview reviewOf(const RoundRecord& round);
