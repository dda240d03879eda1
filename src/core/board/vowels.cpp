// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/vowels.h"

#include <cctype>
#include <cstring>

namespace {

int32_t lengthOf(const char* word)
{
    return static_cast<int32_t>(std::strlen(word));
}

int32_t indexOfNth(const char* word, int32_t n, int32_t wantVowel)
{
    const int32_t length = lengthOf(word);
    int32_t count = 0;
    for (int32_t i = 0; i < length; ++i) {
        if (letterIsVowel(word, i) == wantVowel && ++count == n)
            return i;
    }
    return length;
}

} // namespace

int32_t letterIsVowel(const char* word, int32_t index)
{
    const int32_t length = lengthOf(word);
    if (index < 0 || index >= length)
        return 0;
    const int c = std::tolower(static_cast<unsigned char>(word[index]));
    if (c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u')
        return 1;
    if (c == 'y')
        return index + 1 == length ? 0 : 1;
    return 0;
}

int32_t getNthVowel(const char* word, int32_t whichVowel)
{
    return indexOfNth(word, whichVowel, 1);
}

int32_t getNthConsonant(const char* word, int32_t whichCons)
{
    return indexOfNth(word, whichCons, 0);
}
