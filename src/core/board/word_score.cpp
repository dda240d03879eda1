// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/word_score.h"

namespace {

//                                 a  b  c  d  e  f  g  h  i  j  k  l  m  n  o  p  q   r  s  t  u  v  w  x  y  z
constexpr int32_t kLetterValues[] = {1, 3, 3, 2, 1, 4, 2, 4, 1, 8, 5, 1, 3, 1, 1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10};

int32_t letterValue(unsigned char byte)
{
    const unsigned char folded = byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte;
    return folded >= 'a' && folded <= 'z' ? kLetterValues[folded - 'a'] : 1;
}

} // namespace

int32_t scoreWord(const char* word)
{
    int32_t total = 0;
    for (const char* byte = word; *byte; ++byte)
        total += letterValue(static_cast<unsigned char>(*byte));
    return total;
}
