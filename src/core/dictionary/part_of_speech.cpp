// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/part_of_speech.h"

namespace {

struct Names {
    std::string_view inDefinitions;
    std::string_view inWordNetFiles;
};

// In the order of the enumeration.
constexpr Names kNames[] = {{"noun", "noun"}, {"verb", "verb"}, {"adjective", "adj"}, {"adverb", "adv"}};

} // namespace

std::string_view partOfSpeechName(PartOfSpeech pos)
{
    return kNames[static_cast<size_t>(pos)].inDefinitions;
}

std::string_view wordNetFileSuffix(PartOfSpeech pos)
{
    return kNames[static_cast<size_t>(pos)].inWordNetFiles;
}
