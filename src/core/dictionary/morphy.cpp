// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/morphy.h"

#include <algorithm>

namespace {

struct Rule {
    std::string_view suffix;
    std::string_view ending;
};

constexpr Rule kNounRules[] = {{"s", ""}, {"ses", "s"}, {"xes", "x"}, {"zes", "z"},
                               {"ches", "ch"}, {"shes", "sh"}, {"men", "man"}, {"ies", "y"}};
constexpr Rule kVerbRules[] = {{"s", ""}, {"ies", "y"}, {"es", "e"}, {"es", ""},
                               {"ed", "e"}, {"ed", ""}, {"ing", "e"}, {"ing", ""}};
constexpr Rule kAdjectiveRules[] = {{"er", ""}, {"est", ""}, {"er", "e"}, {"est", "e"}};

bool isVowel(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

bool endsInSibilant(std::string_view base)
{
    return base.ends_with('s') || base.ends_with('x') || base.ends_with('z') || base.ends_with("ch") || base.ends_with("sh");
}

// A word of one short vowel and a final consonant doubles it before -ed, -ing, -er and -est
// (run, running): "runing" is no form of run.
bool mustDouble(std::string_view base)
{
    const size_t n = base.size();
    if (n < 2 || isVowel(base[n - 1]) || base[n - 1] == 'w' || base[n - 1] == 'x' || base[n - 1] == 'y' || !isVowel(base[n - 2]))
        return false;
    return std::count_if(base.begin(), base.end(), isVowel) == 1;
}

// The rules would add an ending to any base; English spelling does not: a hiss takes -es, not
// -s (benches, boxes, not benchs, boxs), and a verb takes -es only after a hiss or an o (fixes,
// goes, not bowles, keenes); a y after a consonant turns to i before -s and -ed (cities,
// carried, not citys, carryed); a final e is not followed by -ed, -er or -est (hoped, not
// hopeed), nor by -ing except after a vowel other than i or after a y (seeing, dyeing; hoping).
bool takesEndingAsItStands(std::string_view base, std::string_view suffix)
{
    const size_t n = base.size();
    if ((suffix == "s" || suffix == "ed") && n >= 2 && base[n - 1] == 'y' && !isVowel(base[n - 2]))
        return false;
    if (suffix == "s")
        return !endsInSibilant(base);
    if (suffix == "es")
        return endsInSibilant(base) || base.ends_with('o');
    if (base.ends_with('e'))
        return suffix == "ing" && n >= 2 && ((isVowel(base[n - 2]) && base[n - 2] != 'i') || base[n - 2] == 'y');
    return !mustDouble(base); // -ed, -ing, -er, -est
}

// Where the rule gives back a letter the ending took, the stem must be one that loses it: a y
// turns to i only after a consonant (tries, not obeies of obey), and an e gives way to -ing
// only after a consonant or a u (hoping, arguing, not treing of tree).
bool restoresDroppedLetter(std::string_view stem, const Rule& rule)
{
    const bool afterVowel = !stem.empty() && isVowel(stem.back());
    if (rule.ending == "y")
        return !afterVowel;
    return rule.suffix != "ing" || !afterVowel || stem.back() == 'u';
}

template <size_t N>
std::vector<std::string> applyRules(std::string_view word, const Rule (&rules)[N])
{
    std::vector<std::string> candidates;
    for (const Rule& rule : rules) {
        if (word.size() <= rule.suffix.size() || !word.ends_with(rule.suffix))
            continue;
        std::string base(word.substr(0, word.size() - rule.suffix.size()));
        if (rule.ending.empty() ? !takesEndingAsItStands(base, rule.suffix) : !restoresDroppedLetter(base, rule))
            continue;
        base += rule.ending;
        candidates.push_back(std::move(base));
    }
    return candidates;
}

} // namespace

std::vector<std::string> detachmentCandidates(std::string_view word, PartOfSpeech pos)
{
    switch (pos) {
    case PartOfSpeech::Noun:
        return word.ends_with("ss") ? std::vector<std::string> {} : applyRules(word, kNounRules);
    case PartOfSpeech::Verb:
        return applyRules(word, kVerbRules);
    case PartOfSpeech::Adjective:
        return applyRules(word, kAdjectiveRules);
    case PartOfSpeech::Adverb:
        return {};
    }
    return {};
}
