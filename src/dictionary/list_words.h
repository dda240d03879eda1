// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary/part_of_speech.h"
#include "dictionary/sorted_line_file.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

// Words of SCOWL's broader lists that neither WordNet nor Hunspell holds, read from a sorted
// resource of lines "word parts how" that scripts/make-word-lists writes. Mapped, not read,
// so opening costs nothing at launch.
class ListWords {
public:
    struct Entry {
        std::vector<PartOfSpeech> partsOfSpeech;
        std::string gloss; // says where the word and its parts of speech come from
    };

    bool open(const QString& path) { return m_file.open(path); }

    std::optional<Entry> find(const std::string& word) const;

private:
    SortedLineFile m_file;
};
