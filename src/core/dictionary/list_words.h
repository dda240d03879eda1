// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/part_of_speech.h"
#include "core/dictionary/sorted_line_file.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Words of SCOWL's broader lists, from a sorted resource of lines "word parts how" that
// scripts/make-word-lists writes. The file is mapped; its six-letter words are also packed
// into a sorted array at open, since nearly every text the game judges has six letters and
// most of those the list is asked about are not in it. Beside them, the six-letter words the
// lists hold as names first (a resource of one word a line), packed the same way.
class ListWords {
public:
    struct Entry {
        std::vector<PartOfSpeech> partsOfSpeech;
        std::string origin; // "a form of come", "made from flap"; empty where no base is known
    };

    // Each false when its file cannot be read; the words serve without the names.
    bool open(const QString& wordsPath);
    bool openNames(const QString& namesPath);

    std::optional<Entry> find(const std::string& word) const;
    // Whether the lists hold `word` as a name first: capitalised at a size no larger than any
    // of its lower-case forms, none of which is among the common sizes.
    bool holdsAsName(std::string_view word) const;

private:
    SortedLineFile m_file;
    std::vector<uint32_t> m_sixLetterWords; // five bits a letter, the first letter highest
    std::vector<uint32_t> m_names;          // packed alike
};
