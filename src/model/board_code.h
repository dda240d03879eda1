// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

#include <cstdint>

// A board code names a dealt board: its seed and four bits of the word list's hash, written
// in 31 characters that cannot be mistaken for one another (2-9 and A-Z without I, L and O),
// nine of payload and one check character, shown as two groups of five ("7KQ2M-XW9RB").
// The check makes the weighted sum of all ten characters, weights 1 .. 10, divisible by 31.
// 31 is prime and every weight below it, so a changed character always changes the sum,
// and swapping two neighbours changes it by their difference: every single-character typo
// and every adjacent swap is caught.

inline constexpr int kSeedBits = 40;
inline constexpr uint64_t kSeedMask = (uint64_t {1} << kSeedBits) - 1;
inline constexpr int kListTagBits = 4;
inline constexpr uint32_t kListTagMask = (1U << kListTagBits) - 1;
inline constexpr int kBoardCodeLength = 10; // without the hyphen

enum class CodeFault { None, Malformed, Typo, OtherList };

struct CodeReading {
    uint64_t seed = 0;
    uint32_t listTag = 0;
    CodeFault fault = CodeFault::None;
};

// The code of `seed` dealt from a list whose tag is `listTag`; bits above their widths are dropped.
QString boardCode(uint64_t seed, uint32_t listTag);

// Reads a typed code: upper or lower case, spaces and hyphens anywhere. Says Malformed for a
// wrong length or a character outside the alphabet, Typo when the check fails, and
// OtherList when it was dealt from a list whose tag is not `listTag`.
CodeReading readBoardCode(const QString& typed, uint32_t listTag);

// One sentence for the player; empty for CodeFault::None.
QString codeFaultSentence(CodeFault fault);

// The daily boards are numbered from 1 January 2026 (Daily #1); a date before it gives 0 or less.
int dailyNumber(QDate utcDate);
// The seed of the daily board numbered `number`: the same everywhere for the same number.
uint64_t dailySeed(int number);
