// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/spelling_dictionary.h"

#include "core/dictionary/add_once.h"

#include <QFile>
#include <QFileInfo>

#include <hunspell/hunspell.hxx>

#include <algorithm>

std::string capitalised(std::string word)
{
    if (!word.empty() && word[0] >= 'a' && word[0] <= 'z')
        word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

SpellingDictionary::SpellingDictionary(QString affixPath, QString wordsPath)
    : m_affixPath(std::move(affixPath))
    , m_wordsPath(std::move(wordsPath))
{
}

SpellingDictionary::~SpellingDictionary() = default;

bool SpellingDictionary::filesExist() const
{
    return QFileInfo(m_affixPath).isFile() && QFileInfo(m_wordsPath).isFile();
}

void SpellingDictionary::load()
{
    if (m_hunspell)
        return;
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(m_affixPath).constData(),
                                            QFile::encodeName(m_wordsPath).constData());
    readAffixClasses();
    readEntryFlags();
}

// Sorts each suffix class of en_US.aff by the endings it adds: "'s" makes a possessive,
// "ed" a past, "ing" a progressive, "er" without "ers" a comparative, "est" a
// superlative, "s" with "es" a plural; "ly", "ness"/"ment"/"ion" and "able"/"ive" make
// adverbs, nouns and adjectives.
void SpellingDictionary::readAffixClasses()
{
    QFile file(m_affixPath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    std::unordered_map<char, std::vector<std::string>> endings;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().simplified().split(' ');
        if (fields.size() >= 5 && fields[0] == "SFX" && fields[1].size() == 1)
            endings[fields[1][0]].push_back(fields[3].split('/').first().toStdString());
    }
    for (const auto& [flag, endingsOfFlag] : endings) {
        const std::vector<std::string>& added = endingsOfFlag;
        const auto has = [&](const char* ending) { return std::find(added.begin(), added.end(), ending) != added.end(); };
        const auto kindIf = [](bool condition, AffixKind kind) { return condition ? unsigned {kind} : 0u; };
        unsigned kinds = 0;
        kinds |= kindIf(has("'s"), Possessive);
        kinds |= kindIf(has("s") && has("es"), Plural);
        kinds |= kindIf(has("ed"), Past);
        kinds |= kindIf(has("ing"), Progressive);
        kinds |= kindIf(has("er") && !has("ers"), Comparative);
        kinds |= kindIf(has("est"), Superlative);
        kinds |= kindIf(has("ly"), AdverbMaking);
        kinds |= kindIf(has("ness") || has("ment") || has("ion"), NounMaking);
        kinds |= kindIf(has("able") || has("ive"), AdjectiveMaking);
        m_affixKinds[flag] = kinds;
    }
}

void SpellingDictionary::readEntryFlags()
{
    QFile file(m_wordsPath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    file.readLine(); // the entry count
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        const qsizetype slash = line.indexOf('/');
        if (slash > 0)
            m_entryFlags[line.left(slash).toStdString()] = line.mid(slash + 1).toStdString();
    }
}

unsigned SpellingDictionary::kindsOfFlags(const std::string& flags) const
{
    unsigned kinds = 0;
    for (const char flag : flags) {
        const auto found = m_affixKinds.find(flag);
        kinds |= found == m_affixKinds.end() ? 0 : found->second;
    }
    return kinds;
}

// What a dictionary entry is, judged by the endings it takes.
std::vector<PartOfSpeech> SpellingDictionary::partsOfSpeechOfBase(unsigned kinds)
{
    std::vector<PartOfSpeech> parts;
    const bool isVerb = kinds & (Past | Progressive);
    if (kinds & Possessive || (kinds & Plural && !isVerb))
        parts.push_back(PartOfSpeech::Noun);
    if (isVerb)
        parts.push_back(PartOfSpeech::Verb);
    if (kinds & (Comparative | Superlative))
        parts.push_back(PartOfSpeech::Adjective);
    return parts;
}

// What the form that `flag` made from `stem` is.
std::vector<PartOfSpeech> SpellingDictionary::partsOfSpeechOfForm(char flag, const std::string& stem) const
{
    const auto found = m_affixKinds.find(flag);
    const unsigned kinds = found == m_affixKinds.end() ? 0 : found->second;
    std::vector<PartOfSpeech> parts;
    if (kinds & Plural) {
        for (const PartOfSpeech pos : partsOfSpeechOfBase(kindsOfFlags(m_entryFlags.count(stem) ? m_entryFlags.at(stem) : "")))
            if (pos != PartOfSpeech::Adjective)
                addOnce(parts, pos);
        if (parts.empty())
            parts.push_back(PartOfSpeech::Noun);
    }
    if (kinds & (Possessive | NounMaking))
        addOnce(parts, PartOfSpeech::Noun);
    if (kinds & (Past | Progressive))
        addOnce(parts, PartOfSpeech::Verb);
    if (kinds & (Comparative | Superlative | AdjectiveMaking))
        addOnce(parts, PartOfSpeech::Adjective);
    if (kinds & AdverbMaking)
        addOnce(parts, PartOfSpeech::Adverb);
    return parts;
}

SpellingDictionary::Spelling SpellingDictionary::spelling(const std::string& word)
{
    if (word.empty() || !filesExist())
        return Spelling::Unknown;
    load();
    if (isListed(word))
        return Spelling::LowerCase;
    return isListed(capitalised(word)) ? Spelling::OnlyCapitalised : Spelling::Unknown;
}

// en_US.aff sets no BREAK patterns, so Hunspell splits a text at its hyphens, drops one at
// either end and takes the text when the parts are words: "ox-cat", "-best", "----es". Such
// a text has no analysis, while an entry written with a hyphen and its affixed forms have one.
bool SpellingDictionary::isListed(const std::string& form)
{
    return m_hunspell->spell(form) && (form.find('-') == std::string::npos || !m_hunspell->analyze(form).empty());
}

// Hunspell's analysis reads " st:walk fl:D": the stem, and the flag of the class that made
// the form, absent when the word is an entry of its own.
std::vector<SpellingDictionary::Analysis> SpellingDictionary::analyse(const std::string& word)
{
    if (!filesExist())
        return {};
    load();
    std::vector<Analysis> analyses;
    for (const std::string& description : m_hunspell->analyze(word)) {
        const size_t stemAt = description.find("st:");
        if (stemAt == std::string::npos)
            continue;
        const size_t stemEnd = description.find(' ', stemAt);
        Analysis analysis;
        analysis.stem = description.substr(stemAt + 3, stemEnd == std::string::npos ? std::string::npos : stemEnd - stemAt - 3);
        const size_t flagAt = description.find("fl:");
        if (flagAt != std::string::npos && flagAt + 3 < description.size())
            analysis.partsOfSpeech = partsOfSpeechOfForm(description[flagAt + 3], analysis.stem);
        else if (const auto entry = m_entryFlags.find(analysis.stem); entry != m_entryFlags.end())
            analysis.partsOfSpeech = partsOfSpeechOfBase(kindsOfFlags(entry->second));
        analyses.push_back(std::move(analysis));
    }
    return analyses;
}
