// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The closed-class words WordNet lacks (pronouns, prepositions, conjunctions, articles,
// modal verbs, interjections, a few adverbs), read from a tab-separated file of
// word, part of speech and gloss; lines starting with '#' are comments.
class FunctionWords {
public:
    struct Sense {
        std::string partOfSpeech;
        std::string gloss;
    };

    bool load(const QString& path);

    // The senses of `word` (lower case), in file order; null when it is not a function word.
    const std::vector<Sense>* find(std::string_view word) const;

private:
    std::unordered_map<std::string, std::vector<Sense>> m_words;
};
