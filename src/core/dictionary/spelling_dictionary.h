// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/part_of_speech.h"

#include <QString>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class Hunspell;

// `word` with its first letter in upper case, as a name is spelt ("london" → "London").
std::string capitalised(std::string word);

// Hunspell's en_US dictionary, for the inflected and derived forms WordNet lacks. Loaded
// on first use. Hunspell gives no parts of speech; they are read off the affix classes
// (en_US.aff) that an entry of en_US.dic takes or that made the form.
class SpellingDictionary {
public:
    enum class Spelling { Unknown, LowerCase, OnlyCapitalised };

    struct Analysis {
        std::string stem;
        std::vector<PartOfSpeech> partsOfSpeech; // none where the affix classes tell nothing
    };

    SpellingDictionary(QString affixPath, QString wordsPath);
    ~SpellingDictionary();

    bool filesExist() const;

    // How `word` (lower case) is spelt in the dictionary: as written, only with a capital
    // (a name: "london"), or not at all. A hyphenated text counts only as an entry or its
    // affixed form, never because the parts between its hyphens are words.
    Spelling spelling(const std::string& word);

    // The stems of `word` and the parts of speech its affixes give.
    std::vector<Analysis> analyse(const std::string& word);

private:
    enum AffixKind : unsigned {
        Possessive = 1,
        Plural = 2,
        Past = 4,
        Progressive = 8,
        Comparative = 16,
        Superlative = 32,
        AdverbMaking = 64,
        NounMaking = 128,
        AdjectiveMaking = 256,
    };

    void load();
    bool isListed(const std::string& form);
    void readAffixClasses();
    void readEntryFlags();
    unsigned kindsOfFlags(const std::string& flags) const;
    static std::vector<PartOfSpeech> partsOfSpeechOfBase(unsigned kinds);
    std::vector<PartOfSpeech> partsOfSpeechOfForm(char flag, const std::string& stem) const;

    QString m_affixPath;
    QString m_wordsPath;
    std::unique_ptr<Hunspell> m_hunspell;
    std::unordered_map<char, unsigned> m_affixKinds;
    std::unordered_map<std::string, std::string> m_entryFlags;
};
