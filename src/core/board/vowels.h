// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// 1 if the character at `index` of `word` is a vowel: a, e, i, o or u in either case, or
// y/Y anywhere but as the last character. 0 otherwise, also for an index outside the word.
int32_t letterIsVowel(const char* word, int32_t index);

// The index of the `whichVowel`-th vowel (counted from 1), or the length of `word` when it
// has fewer.
int32_t getNthVowel(const char* word, int32_t whichVowel);

// The index of the `whichCons`-th non-vowel (counted from 1), or the length of `word` when
// it has fewer.
int32_t getNthConsonant(const char* word, int32_t whichCons);
