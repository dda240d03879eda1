// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

// Where rnd takes its numbers from when set: called with an upper bound of 2 or more, it must
// return a value below it. Empty in the game (the deal generator); set by tests that need a
// scripted sequence of draws, and cleared by them.
using RandomSource = std::function<uint32_t(uint32_t upperBound)>;
extern RandomSource gRandomSource;

// A uniformly distributed integer in 0 .. upperBound - 1, free of modulo bias; 0 for an
// upper bound of 0 or 1. Drawn from the deal generator (model/deal_random.h), so a board
// dealt after seedDealing(seed) is the same on every machine.
int32_t rnd(uint32_t upperBound);

// Restarts the deal generator at `seed`.
void seedDealing(uint64_t seed);
// Restarts it at a seed of the board-code width taken from the system's entropy, and
// returns that seed, so that even a random board can be named.
uint64_t seedDealingFromEntropy();

// Copies a word drawn uniformly from the list into `word` (at least 7 bytes); the empty
// string while the list is empty. `length` is ignored: every word has six letters.
void getRandomNLetterWord(char* word, int32_t length);

// Copies the word of table row `row` (0 .. 12874) into `theWord` (at least 7 bytes) and sets
// `wordLength` to 6. `listOffset` is left untouched. A row outside the table gives "".
void getNthWord(int64_t row, char* theWord, int32_t* wordLength, int32_t* listOffset);

// 1 if `word` is stored in any row of the table (row 0 holds ""), else 0. Exact match.
int32_t findWordInList(const char* word, int32_t* listOffset);
