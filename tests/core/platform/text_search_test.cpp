// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/text_search.h"

#include <gtest/gtest.h>

TEST(TextSearchTest, TextContainsNeverBacksUpAfterAFailedPartialMatch)
{
    const struct { const char* text; const char* pattern; int8_t matchCase; int32_t found; } cases[] = {
        {"cactus", "c", 1, 0}, {"cactus", "t", 1, 3}, {"cactus", "z", 1, -1}, {"cactus", "", 1, -1}, {"", "", 0, -1},
        {"aab", "ab", 1, -1}, {"cab", "ab", 1, 1}, {"pronoun", "noun", 1, 3}, {"A NOUN", "noun", 0, 2}, {"A NOUN", "noun", 1, -1},
        {"ver", "verb", 1, -1}, {"verb", "verb", 1, 0}, {"caf\xc3\xa9 noun", "noun", 0, 6}, {"\xff\xfe", "\xfe", 0, 1},
    };
    for (const auto& row : cases)
        EXPECT_EQ(textContains(row.text, row.pattern, row.matchCase), row.found) << row.text << " / " << row.pattern;
}
