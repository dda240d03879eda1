// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the six-letter word file: the table must never be written past a row,
// and every stored row must stay a string of at most six characters.
#include "words/word_list.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Rows the previous input filled; only they need clearing, so each run costs what its input
// costs rather than a sweep of the whole table.
int32_t g_rowsInUse = kSixWordRows;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Skipped-line messages are part of the loader's work, but printing them is not.
    return std::freopen("/dev/null", "w", stdout), 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::memset(gSixWords, 0, sizeof gSixWords[0] * static_cast<size_t>(g_rowsInUse));
    gSixListMax = 1;
    storeSixWordList(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (gSixListMax < 1 || gSixListMax > kSixWordRows)
        std::abort();
    for (int32_t row = 0; row < gSixListMax; ++row)
        if (!std::memchr(gSixWords[row], 0, kSixWordRowSize))
            std::abort();
    g_rowsInUse = gSixListMax;
    return 0;
}
