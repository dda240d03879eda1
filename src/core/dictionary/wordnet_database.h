// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/part_of_speech.h"
#include "core/dictionary/sorted_line_file.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One WordNet sense: the words that share it, as WordNet writes them ("London", "ice_cream"),
// and its gloss without the usage examples.
struct Synset {
    std::vector<std::string> words;
    std::string gloss;
};

// WordNet 3.0's database files, mapped and searched in place: nothing is parsed at open.
class WordNetDatabase {
public:
    // Maps index.*, *.exc and data.* of `directory`; false when any of them is missing.
    bool open(const QString& directory);
    bool isOpen() const { return m_files[0].data.isOpen(); }

    // The lemmas `word` stands for in `pos` (lower case, '_' between words): the word itself
    // when listed, then the bases of WordNet's exception list and rules of detachment that
    // are listed, each once.
    std::vector<std::string> lemmasOf(std::string_view word, PartOfSpeech pos) const;

    // Whether `word` stands for a lemma in any part of speech. An adjective's -er and -est
    // count here only where the exception list names them: the rules make them of every
    // adjective (ableer, threer, sexyer), and which adjectives are graded is the spelling
    // dictionary's to say. Nor does a plural noun's second plural count (armses of arms).
    bool knows(std::string_view word) const;
    // Whether `word` is itself a lemma of some part of speech, without the morphology.
    bool listsExactly(std::string_view word) const;

    // The offsets in data.* of the senses of `lemma`, most frequent first.
    std::vector<int64_t> senseOffsets(std::string_view lemma, PartOfSpeech pos) const;

    Synset synsetAt(PartOfSpeech pos, int64_t offset) const;

private:
    struct Files {
        SortedLineFile index;
        SortedLineFile exceptions;
        SortedLineFile data;
    };

    const Files& files(PartOfSpeech pos) const { return m_files[static_cast<size_t>(pos)]; }
    bool isLemma(std::string_view lemma, PartOfSpeech pos) const;
    std::vector<std::string> inflectionCandidates(std::string_view word, PartOfSpeech pos, bool byRules) const;
    std::vector<std::string> lemmasOf(std::string_view word, PartOfSpeech pos, bool byRules) const;

    std::array<Files, kWordNetPartsOfSpeech.size()> m_files;
};
