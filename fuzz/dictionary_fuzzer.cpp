// Arbitrary UTF-8 for the dictionary: a term range always lies inside the text, and a
// definition comes back for every term found.
#include "platform/dictionary/dictionary.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (qsizetype offset = 0; offset < text.size() && offset < 4; ++offset) {
        const TermRange range = termRangeInString(text, offset);
        if (range.location != offset || range.length < 0 || range.location + range.length > text.size())
            std::abort();
        if (range.length > 0 && !copyTextDefinition(text, range))
            std::abort();
    }
    copyTextDefinition(text, {static_cast<qsizetype>(size) % 7, static_cast<qsizetype>(size) % 5});
    return 0;
}
