// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the six-letter word file: the table must never be written past a row,
// and every stored row must stay a string of at most six characters.
#include "core/board/word_list.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Skipped-line messages are part of the loader's work, but printing them is not.
    return std::freopen("/dev/null", "w", stdout), 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::memset(gSixWords, 0, sizeof gSixWords);
    gSixListMax = 1;
    storeSixWordList(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (gSixListMax < 1 || gSixListMax > kSixWordRows)
        std::abort();
    for (int32_t row = 0; row < gSixListMax; ++row)
        if (!std::memchr(gSixWords[row], 0, kSixWordRowSize))
            std::abort();
    return 0;
}
