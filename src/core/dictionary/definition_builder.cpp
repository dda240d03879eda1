// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/definition_builder.h"

#include "core/dictionary/add_once.h"
#include "core/dictionary/function_words.h"
#include "core/dictionary/list_words.h"
#include "core/dictionary/spelling_dictionary.h"
#include "core/dictionary/wordnet_database.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>

namespace {

constexpr size_t kGlossesShown = 3;

std::string displayForm(std::string lemma)
{
    std::replace(lemma.begin(), lemma.end(), '_', ' ');
    return lemma;
}

std::string lowerCased(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool hasCapital(const std::string& word)
{
    return std::any_of(word.begin(), word.end(), [](unsigned char c) { return std::isupper(c); });
}

// Endings a dictionary entry of its own can still carry, and what they make of a base.
struct Ending {
    std::string_view suffix;
    PartOfSpeech makes;
};
constexpr Ending kEndings[] = {{"ing", PartOfSpeech::Verb}, {"ed", PartOfSpeech::Verb},
                               {"est", PartOfSpeech::Adjective}, {"er", PartOfSpeech::Adjective},
                               {"ly", PartOfSpeech::Adverb}, {"s", PartOfSpeech::Noun}};

// The bases an ending may have been added to: as it stands, with a silent e, with a
// doubled consonant undone (tabbed, tab), or with y turned to i (happier, happy).
std::vector<std::string> possibleBases(const std::string& stem)
{
    std::vector<std::string> bases {stem, stem + "e"};
    const size_t n = stem.size();
    if (n >= 3 && stem[n - 1] == stem[n - 2] && !std::strchr("aeiou", stem[n - 1]))
        bases.push_back(stem.substr(0, n - 1));
    if (n >= 2 && stem[n - 1] == 'i')
        bases.push_back(stem.substr(0, n - 1) + "y");
    return bases;
}

// What is said of a word the sources hold without a definition: that it counts, and what it
// comes from where that is known ("a form of sozzle").
// Written in English like the glosses it stands among: a word's verdict is read from its
// definition, which must read the same whatever the interface's language.
std::string undefinedGloss(const std::string& origin)
{
    return origin.empty() ? "a valid word; no definition is known" : "a valid word (" + origin + "); no definition is known";
}

} // namespace

std::string wordNetForm(std::string term)
{
    std::replace(term.begin(), term.end(), ' ', '_');
    return term;
}

DefinitionBuilder::DefinitionBuilder(const WordNetDatabase& wordNet, const FunctionWords& functionWords,
                                     SpellingDictionary& spelling, const ListWords& listWords)
    : m_wordNet(wordNet)
    , m_functionWords(functionWords)
    , m_spelling(spelling)
    , m_listWords(listWords)
{
}

std::string DefinitionBuilder::definitionOf(const std::string& term)
{
    if (m_functionWords.find(term))
        return render(term, functionWordEntry(term));
    Entry entry = wordNetEntry(term, true);
    // A word the lists hold as a name first (Sheila before sheila) needs more than one source
    // to make it a common word: WordNet's common senses and Hunspell's lower-case spelling.
    if (m_listWords.holdsAsName(term)
        && (entry.sections.empty() || m_spelling.spelling(term) != SpellingDictionary::Spelling::LowerCase)) {
        Entry name;
        name.names = entry.names.empty() ? std::vector {capitalised(term)} : entry.names;
        return render(term, name);
    }
    // A word WordNet knows only as a name is a word after all if Hunspell spells it in
    // lower case and its affixes say what it is.
    if (entry.sections.empty() && m_spelling.spelling(term) == SpellingDictionary::Spelling::LowerCase) {
        Entry spelt = spellingEntry(term);
        if (!spelt.sections.empty())
            entry = std::move(spelt);
    }
    if (entry.sections.empty() && entry.names.empty())
        entry = spellingEntry(term);
    // A list word stays one though WordNet or Hunspell knows its spelling only as a name.
    if (entry.sections.empty())
        addListSections(entry, term);
    return render(term, entry);
}

// A function word is defined by its own senses, then by WordNet's senses of the same
// spelling; never through an inflection, so "its" is not the plural of "it".
DefinitionBuilder::Entry DefinitionBuilder::functionWordEntry(const std::string& term) const
{
    Entry entry;
    for (const FunctionWords::Sense& sense : *m_functionWords.find(term)) {
        auto section = std::find_if(entry.sections.begin(), entry.sections.end(),
                                    [&](const Section& s) { return s.label == sense.partOfSpeech; });
        if (section == entry.sections.end())
            section = entry.sections.insert(entry.sections.end(), Section {sense.partOfSpeech, {}});
        section->glosses.push_back(sense.gloss);
    }
    for (const Section& section : wordNetEntry(term, false).sections)
        addSection(entry, section);
    return entry;
}

DefinitionBuilder::Entry DefinitionBuilder::wordNetEntry(const std::string& term, bool inflected) const
{
    Entry entry;
    const std::string form = wordNetForm(term);
    for (const PartOfSpeech pos : kWordNetPartsOfSpeech) {
        std::vector<std::string> lemmas = m_wordNet.lemmasOf(form, pos);
        if (!inflected)
            std::erase_if(lemmas, [&](const std::string& lemma) { return lemma != form; });
        for (const std::string& lemma : lemmas) {
            if (lemma != form)
                addOnce(entry.baseForms, displayForm(lemma));
            addWordNetSenses(entry, lemma, pos);
        }
    }
    return entry;
}

// A sense in which WordNet writes the word with a capital is a proper name: London,
// Thomas, Monday. The word's other senses keep it a common word (bill, march).
void DefinitionBuilder::addWordNetSenses(Entry& entry, const std::string& lemma, PartOfSpeech pos) const
{
    Section common {std::string(partOfSpeechName(pos)), {}};
    for (const int64_t offset : m_wordNet.senseOffsets(lemma, pos)) {
        const Synset synset = m_wordNet.synsetAt(pos, offset);
        const auto written = std::find_if(synset.words.begin(), synset.words.end(),
                                          [&](const std::string& word) { return lowerCased(word) == lemma; });
        if (written != synset.words.end() && hasCapital(*written))
            addOnce(entry.names, displayForm(*written));
        else
            common.glosses.push_back(synset.gloss);
    }
    if (!common.glosses.empty())
        addSection(entry, common);
}

void DefinitionBuilder::addSection(Entry& entry, const Section& section)
{
    auto same = std::find_if(entry.sections.begin(), entry.sections.end(),
                             [&](const Section& s) { return s.label == section.label; });
    if (same == entry.sections.end())
        entry.sections.push_back(section);
    else
        same->glosses.insert(same->glosses.end(), section.glosses.begin(), section.glosses.end());
}

// Hunspell knows the word: WordNet defines it through its stem where it can, else the
// affixes tell its part of speech, else it stays without one.
DefinitionBuilder::Entry DefinitionBuilder::spellingEntry(const std::string& term)
{
    Entry entry;
    const auto spelling = m_spelling.spelling(term);
    if (spelling == SpellingDictionary::Spelling::OnlyCapitalised) {
        entry.names.push_back(capitalised(term));
        return entry;
    }
    if (spelling != SpellingDictionary::Spelling::LowerCase)
        return entry;
    for (const SpellingDictionary::Analysis& analysis : m_spelling.analyse(term)) {
        if (analysis.stem != term) {
            Entry stemEntry = wordNetEntry(analysis.stem, true);
            if (!stemEntry.sections.empty()) {
                addOnce(entry.baseForms, analysis.stem);
                for (const Section& section : stemEntry.sections)
                    addSection(entry, section);
                continue;
            }
        }
        const std::string gloss = undefinedGloss(analysis.stem == term ? std::string() : "a form of " + analysis.stem);
        for (const PartOfSpeech pos : analysis.partsOfSpeech)
            addSection(entry, {std::string(partOfSpeechName(pos)), {gloss}});
    }
    if (entry.sections.empty())
        addEndingSections(entry, term);
    return entry;
}

// Only the broader lists know the word: the gloss says it has no definition, and the parts of
// speech are those the list's generator could place (none, and the word is not shown as one).
void DefinitionBuilder::addListSections(Entry& entry, const std::string& term) const
{
    if (const std::optional<ListWords::Entry> listed = m_listWords.find(term)) {
        for (const PartOfSpeech pos : listed->partsOfSpeech)
            addSection(entry, {std::string(partOfSpeechName(pos)), {undefinedGloss(listed->origin)}});
    }
}

// Hunspell lists some inflected forms as entries of their own, with no affix to tell what
// they are (tabbed, texted). Such a word ending in a known ending on a known base is that
// ending's part of speech.
void DefinitionBuilder::addEndingSections(Entry& entry, const std::string& term)
{
    for (const Ending& ending : kEndings) {
        if (term.size() <= ending.suffix.size() + 1 || !term.ends_with(ending.suffix))
            continue;
        for (const std::string& base : possibleBases(term.substr(0, term.size() - ending.suffix.size()))) {
            if (m_wordNet.knows(base) || m_spelling.spelling(base) == SpellingDictionary::Spelling::LowerCase) {
                addOnce(entry.baseForms, base);
                addSection(entry, {std::string(partOfSpeechName(ending.makes)), {undefinedGloss("a form of " + base)}});
                return;
            }
        }
    }
}

std::string DefinitionBuilder::render(const std::string& term, const Entry& entry)
{
    std::string text = displayForm(term);
    if (!entry.baseForms.empty()) {
        text += " (";
        for (size_t i = 0; i < entry.baseForms.size(); ++i)
            text += (i ? ", " : "") + entry.baseForms[i];
        text += ")";
    }
    text += "\n";
    for (const Section& section : entry.sections) {
        text += section.label + "\n";
        for (size_t i = 0; i < section.glosses.size() && i < kGlossesShown; ++i)
            text += "  " + std::to_string(i + 1) + ". " + section.glosses[i] + "\n";
    }
    if (!entry.names.empty()) {
        text += "name\n";
        for (const std::string& name : entry.names)
            text += "  " + name + "\n";
    }
    if (entry.sections.empty() && entry.names.empty())
        text += "  (a known spelling, but with no part of speech recorded)\n";
    return text;
}
