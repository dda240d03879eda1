// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

#include <cstdint>

// A board code names a dealt board: its seed and 24 bits of the word list's hash, written in
// 31 characters that cannot be mistaken for one another (2-9 and A-Z without I, L and O), as
// three groups of five ("3STAD-KW9V7-QH4MX"). The first ten are the code earlier versions gave:
// nine of payload (the seed and four bits of the hash) and a check character making their
// weighted sum, weights 1 .. 10, divisible by 31. Four more carry 19.8 further bits of the
// hash, and the last makes the weighted sum of all fifteen, weights 1 .. 15, divisible by 31.
// 31 is prime and every weight below it, so a changed character always changes a sum, and
// swapping two neighbours changes it by their difference: every single-character typo and
// every adjacent swap is caught. A different list passes a code about once in 15 million.
// A ten-character code carries only four bits of its list, so it is read only against the list
// the game was built with, for which earlier versions made it.

inline constexpr int kSeedBits = 40;
inline constexpr uint64_t kSeedMask = (uint64_t {1} << kSeedBits) - 1;
inline constexpr int kBoardCodeLength = 15;    // without the hyphens
inline constexpr int kShortBoardCodeLength = 10; // the codes of earlier versions

// The word list a board is dealt from, as far as a code can tell it.
struct WordListTag {
    uint64_t hash = 0;      // the leading eight bytes of the SHA-256 of the list's words, big-endian
    bool isShipped = false; // the list the game was built with, the only one a short code is read against
};

enum class CodeFault { None, Malformed, Typo, OtherList, ShortCodeOtherList };

struct CodeReading {
    uint64_t seed = 0;
    CodeFault fault = CodeFault::None;
};

// The code of `seed` (bits above kSeedBits dropped) dealt from the list `list`.
QString boardCode(uint64_t seed, const WordListTag& list);

// Reads a typed code of fifteen characters, or ten as earlier versions gave: upper or lower
// case, spaces and hyphens anywhere. Says Malformed for a wrong length or a character outside
// the alphabet, Typo when a check fails, OtherList when it was dealt from a list other than
// `list`, and ShortCodeOtherList for a ten-character code while `list` is not the shipped one.
CodeReading readBoardCode(const QString& typed, const WordListTag& list);

// One sentence for the player; empty for CodeFault::None.
QString codeFaultSentence(CodeFault fault);

// The daily boards are numbered from 1 January 2026 (Daily #1); a date before it gives 0 or less.
int dailyNumber(QDate utcDate);
// The seed of the daily board numbered `number`: the same everywhere for the same number.
uint64_t dailySeed(int number);
