// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/text_search.h"

#include <cctype>
#include <cstring>

namespace {

bool sameCharacter(char a, char b, int8_t matchCase)
{
    if (matchCase)
        return a == b;
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

} // namespace

int32_t textContains(const char* text, const char* pattern, int8_t matchCase)
{
    const size_t textLength = std::strlen(text);
    const size_t patternLength = std::strlen(pattern);
    size_t matched = 0;
    int32_t start = 0;
    for (size_t i = 0; i < textLength; ++i) {
        if (!sameCharacter(text[i], pattern[matched], matchCase)) {
            matched = 0;
            continue;
        }
        if (matched == 0)
            start = static_cast<int32_t>(i);
        if (++matched == patternLength)
            return start;
    }
    return -1;
}
