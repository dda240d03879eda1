// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/wordnet_database.h"

#include "core/dictionary/add_once.h"
#include "core/dictionary/morphy.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>

namespace {

std::vector<std::string_view> splitOnSpaces(std::string_view line)
{
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (start < line.size()) {
        const size_t end = std::min(line.find(' ', start), line.size());
        if (end > start)
            fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

template <typename Number>
Number parseNumber(std::string_view text, int base = 10)
{
    Number value {};
    std::from_chars(text.data(), text.data() + text.size(), value, base);
    return value;
}

// Adjectives may carry a syntactic marker: "galore(ip)".
std::string withoutMarker(std::string_view word)
{
    const size_t marker = word.find('(');
    return std::string(word.substr(0, marker));
}

// WordNet lists the roman numerals as adjectives ("xxx": being ten more than twenty), and a
// number has no comparative: xxxest is no word.
bool isRomanNumeral(std::string_view word)
{
    static const QRegularExpression numeral(QStringLiteral("^m{0,4}(cm|cd|d?c{0,3})(xc|xl|l?x{0,3})(ix|iv|v?i{0,3})$"));
    return word.find_first_not_of("ivxlcdm") == std::string_view::npos && numeral.match(QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()))).hasMatch();
}

std::string glossWithoutExamples(std::string_view gloss)
{
    const size_t examples = gloss.find("; \"");
    std::string_view kept = gloss.substr(0, examples);
    while (!kept.empty() && (kept.back() == ' ' || kept.back() == ';'))
        kept.remove_suffix(1);
    return std::string(kept);
}

} // namespace

bool WordNetDatabase::open(const QString& directory)
{
    const QDir folder(directory);
    for (const PartOfSpeech pos : kWordNetPartsOfSpeech) {
        Files& f = m_files[static_cast<size_t>(pos)];
        const std::string_view name = wordNetFileSuffix(pos);
        const QString suffix = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        if (!f.index.open(folder.filePath(QStringLiteral("index.") + suffix))
            || !f.exceptions.open(folder.filePath(suffix + QStringLiteral(".exc")))
            || !f.data.open(folder.filePath(QStringLiteral("data.") + suffix)))
            return false;
    }
    return true;
}

bool WordNetDatabase::isLemma(std::string_view lemma, PartOfSpeech pos) const
{
    return files(pos).index.find(lemma).has_value();
}

std::vector<std::string> WordNetDatabase::inflectionCandidates(std::string_view word, PartOfSpeech pos, bool byRules) const
{
    std::vector<std::string> candidates;
    if (const auto exception = files(pos).exceptions.find(word)) {
        const auto fields = splitOnSpaces(*exception);
        for (size_t i = 1; i < fields.size(); ++i)
            candidates.emplace_back(fields[i]);
    }
    if (byRules) {
        for (std::string& candidate : detachmentCandidates(word, pos))
            candidates.push_back(std::move(candidate));
    }
    return candidates;
}

std::vector<std::string> WordNetDatabase::lemmasOf(std::string_view word, PartOfSpeech pos) const
{
    return lemmasOf(word, pos, true);
}

std::vector<std::string> WordNetDatabase::lemmasOf(std::string_view word, PartOfSpeech pos, bool byRules) const
{
    std::vector<std::string> lemmas;
    if (isLemma(word, pos))
        lemmas.emplace_back(word);
    // A collocation inflects in its last word: "ice_creams" is "ice_cream".
    const size_t lastWord = word.rfind('_') == std::string_view::npos ? 0 : word.rfind('_') + 1;
    const std::string_view head = word.substr(0, lastWord);
    for (const std::string& base : inflectionCandidates(word.substr(lastWord), pos, byRules)) {
        std::string lemma = std::string(head) + base;
        if (isLemma(lemma, pos) && !(pos == PartOfSpeech::Adjective && isRomanNumeral(lemma)))
            addOnce(lemmas, std::move(lemma));
    }
    return lemmas;
}

bool WordNetDatabase::knows(std::string_view word) const
{
    // A noun that is itself a plural (arms, eggs, days) takes no second one: the -ses rule
    // would make "armses" of arms. A lemma in -ss is no plural (bosses, though "bos" is a noun).
    const auto countsAsForm = [&](const std::string& lemma) {
        return lemma.size() + 2 != word.size() || lemma.ends_with("ss")
            || !isLemma(std::string_view(lemma).substr(0, lemma.size() - 1), PartOfSpeech::Noun);
    };
    return std::any_of(kWordNetPartsOfSpeech.begin(), kWordNetPartsOfSpeech.end(), [&](PartOfSpeech pos) {
        const std::vector<std::string> lemmas = lemmasOf(word, pos, pos != PartOfSpeech::Adjective);
        if (pos == PartOfSpeech::Noun && word.ends_with("ses"))
            return std::any_of(lemmas.begin(), lemmas.end(), countsAsForm);
        return !lemmas.empty();
    });
}

bool WordNetDatabase::listsExactly(std::string_view word) const
{
    return std::any_of(kWordNetPartsOfSpeech.begin(), kWordNetPartsOfSpeech.end(),
                       [&](PartOfSpeech pos) { return isLemma(word, pos); });
}

// An index line: lemma pos synset_cnt p_cnt [ptr_symbol...] sense_cnt tagsense_cnt offsets...
std::vector<int64_t> WordNetDatabase::senseOffsets(std::string_view lemma, PartOfSpeech pos) const
{
    const auto line = files(pos).index.find(lemma);
    if (!line)
        return {};
    const auto fields = splitOnSpaces(*line);
    if (fields.size() < 4)
        return {};
    const size_t senses = parseNumber<size_t>(fields[2]);
    const size_t pointers = parseNumber<size_t>(fields[3]);
    const size_t firstOffset = 4 + pointers + 2;
    std::vector<int64_t> offsets;
    for (size_t i = firstOffset; i < fields.size() && offsets.size() < senses; ++i)
        offsets.push_back(parseNumber<int64_t>(fields[i]));
    return offsets;
}

// A data line: offset lex_filenum ss_type w_cnt (hex) [word lex_id]... p_cnt ... | gloss
Synset WordNetDatabase::synsetAt(PartOfSpeech pos, int64_t offset) const
{
    const std::string_view line = files(pos).data.lineAt(offset);
    Synset synset;
    const size_t bar = line.find(" | ");
    if (bar != std::string_view::npos)
        synset.gloss = glossWithoutExamples(line.substr(bar + 3));
    const auto fields = splitOnSpaces(line.substr(0, bar));
    if (fields.size() < 4)
        return synset;
    const size_t words = parseNumber<size_t>(fields[3], 16);
    for (size_t i = 0; i < words && 4 + 2 * i < fields.size(); ++i)
        synset.words.push_back(withoutMarker(fields[4 + 2 * i]));
    return synset;
}
