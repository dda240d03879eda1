// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary UTF-8 for the dictionary: a term range always lies inside the text, and a definition comes back for every term found.
#include "core/dictionary/dictionary.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first byte chooses where to look, so the fuzzer explores offsets without paying for every one of them on every input.
    const QString text = size ? QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)) : QString();
    if (text.isEmpty())
        return 0;
    const qsizetype offset = data[0] % std::min<qsizetype>(4, text.size());
    const TermRange range = termRangeInString(text, offset);
    if (range.location != offset || range.length < 0 || range.location + range.length > text.size()
        || (range.length > 0 && !copyTextDefinition(text, range)))
        std::abort();
    return 0;
}
