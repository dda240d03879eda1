// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/player/user_defaults_store.h"
#include "core/player/user_stats.h"
#include "support/layer_test.h"
#include "core/board/picking.h"
#include "core/board/word_list.h"
#include "core/round/board_check.h"
#include "core/round/game_model.h"

#include <cstring>
#include <initializer_list>

inline void resetWords()
{
    std::memset(gSixWords, 0, sizeof gSixWords);
    gSixListMax = 1;
    gWordList.reset();
    gRandomSource = nullptr;
}

inline void resetStats() { gCurrStats = {}, std::memset(gUserName, 0, sizeof gUserName), gPrefsDict.reset(); }

// No board, no check, and no one told of the model's changes.
inline void resetRound() { gameModel().setPointsListener({}), gameModel().clear(), gPuzzleStats = {}; }

using WordsTest = LayerTest<resetWords>;
using StatsTest = LayerTest<resetStats>;
inline void resetRoundAndStats() { resetStats(), resetRound(); }
using RoundTest = LayerTest<resetRoundAndStats>;

// garden, anchor, chosen, normal, silver, crossing at (1, 0), (1, 3), (5, 3), (5, 8): the computer scores 47.
inline void dealWorkedExample() { gameModel().deal({"garden", "anchor", "chosen", "normal", "silver"}, {1, 1, 2}); }

// Makes `words` the word list, in order from row 1.
template <typename Words = std::initializer_list<const char*>>
void useWordList(const Words& words)
{
    gSixListMax = 1;
    for (const char* word : words)
        std::strncpy(gSixWords[gSixListMax++], word, kSixWordRowSize - 1);
}
