// Arbitrary bytes as the six-letter word file: the table must never be written past a row,
// and every stored row must stay a string of at most six characters.
#include "words/word_list.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::memset(gSixWords, 0, sizeof gSixWords);
    gSixListMax = 1;
    storeSixWordList(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (gSixListMax < 1 || gSixListMax > kSixWordRows)
        std::abort();
    for (const auto& row : gSixWords) {
        if (std::strlen(row) > kSixWordRowSize - 1)
            std::abort();
    }
    return 0;
}
