// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/picking.h"

#include "core/board/board_code.h"
#include "core/board/deal_random.h"
#include "core/board/word_list.h"

#include <cstdlib>
#include <cstring>

RandomSource gRandomSource;

namespace {

uint64_t entropySeed()
{
    return ((uint64_t {arc4random()} << 32) | arc4random()) & kSeedMask;
}

DealRandom& dealRandom()
{
    static DealRandom generator(entropySeed());
    return generator;
}

} // namespace

int32_t rnd(uint32_t upperBound)
{
    if (gRandomSource && upperBound > 1)
        return static_cast<int32_t>(gRandomSource(upperBound));
    return static_cast<int32_t>(dealRandom().below(upperBound));
}

void seedDealing(uint64_t seed)
{
    dealRandom() = DealRandom(seed);
}

uint64_t seedDealingFromEntropy()
{
    const uint64_t seed = entropySeed();
    seedDealing(seed);
    return seed;
}

void getRandomNLetterWord(char* word, int32_t /*length*/)
{
    const int64_t row = 1 + rnd(static_cast<uint32_t>(gSixListMax - 1));
    char drawn[kSixWordRowSize] = {};
    int32_t wordLength = 0;
    getNthWord(row, drawn, &wordLength, nullptr);
    std::strcpy(word, drawn);
}

void getNthWord(int64_t row, char* theWord, int32_t* wordLength, int32_t* /*listOffset*/)
{
    const bool inTable = row >= 0 && row < kSixWordRows;
    std::strncpy(theWord, inTable ? gSixWords[row] : "", kSixWordRowSize);
    theWord[kSixWordRowSize - 1] = 0;
    *wordLength = 6;
}

int32_t findWordInList(const char* word, int32_t* listOffset)
{
    for (int64_t row = 0; row < kSixWordRows; ++row) {
        char stored[kSixWordRowSize] = {};
        int32_t wordLength = 0;
        getNthWord(row, stored, &wordLength, listOffset);
        if (std::strcmp(stored, word) == 0)
            return 1;
    }
    return 0;
}
