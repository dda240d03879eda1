// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/part_of_speech.h"

#include <string>
#include <vector>

class FunctionWords;
class ListWords;
class SpellingDictionary;
class WordNetDatabase;

// WordNet joins the words of a collocation with '_'.
std::string wordNetForm(std::string term);

// Writes the definition text of a term (lower case) from the four sources, consulted in
// order: the function words, WordNet, Hunspell, the broader word lists. A word those lists
// hold as a name first is a common word only where both WordNet and Hunspell hold it so.
class DefinitionBuilder {
public:
    DefinitionBuilder(const WordNetDatabase& wordNet, const FunctionWords& functionWords,
                      SpellingDictionary& spelling, const ListWords& listWords);

    std::string definitionOf(const std::string& term);

private:
    struct Section {
        std::string label;
        std::vector<std::string> glosses;
    };

    struct Entry {
        std::vector<std::string> baseForms;
        std::vector<Section> sections;
        std::vector<std::string> names;
    };

    Entry functionWordEntry(const std::string& term) const;
    Entry wordNetEntry(const std::string& term, bool inflected) const;
    Entry spellingEntry(const std::string& term);
    void addListSections(Entry& entry, const std::string& term) const;
    void addWordNetSenses(Entry& entry, const std::string& lemma, PartOfSpeech pos) const;
    void addEndingSections(Entry& entry, const std::string& term);
    static void addSection(Entry& entry, const Section& section);
    static std::string render(const std::string& term, const Entry& entry);

    const WordNetDatabase& m_wordNet;
    const FunctionWords& m_functionWords;
    SpellingDictionary& m_spelling;
    const ListWords& m_listWords;
};
