// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/dictionary.h"

#include "core/dictionary/definition_builder.h"
#include "core/dictionary/function_words.h"
#include "core/dictionary/list_words.h"
#include "core/dictionary/spelling_dictionary.h"
#include "core/dictionary/wordnet_database.h"
#include "core/platform/problem_report.h"
#include "core/platform/resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Terms of more words than this are not looked for.
constexpr int kMostWordsInATerm = 6;

// A hyphen joins two parts of a term; one that leads, ends it or follows another joins nothing,
// whatever a source makes of the rest.
bool hyphensJoinParts(std::string_view term)
{
    return !term.starts_with('-') && !term.ends_with('-') && term.find("--") == std::string_view::npos;
}

class Dictionary {
public:
    // Each source opens on its own: one that is missing takes only its own words with it.
    explicit Dictionary(const DictionaryPaths& paths)
        : m_spelling(paths.spellingAffixFile, paths.spellingWordsFile)
    {
        const auto note = [this](bool opened, const QString& source, const QString& where) {
            if (!opened)
                m_missing << QCoreApplication::translate("Dictionary", "%1 (looked for %2)", "a dictionary source, then where it was looked for")
                                 .arg(source, where);
            return opened;
        };
        // A WordNet opened in part would know words it cannot define.
        if (!note(m_wordNet.open(paths.wordNetDirectory), QStringLiteral("WordNet"), paths.wordNetDirectory))
            m_wordNet = WordNetDatabase();
        const bool spelling = note(m_spelling.filesExist(), QCoreApplication::translate("Dictionary", "Hunspell's en_US"),
                                   QCoreApplication::translate("Dictionary", "%1 and %2", "two files")
                                       .arg(paths.spellingAffixFile, paths.spellingWordsFile));
        const bool functionWords = note(m_functionWords.load(paths.functionWordsFile),
                                        QCoreApplication::translate("Dictionary", "the function words"), paths.functionWordsFile);
        const bool listWords = note(m_listWords.open(paths.listWordsFile), QCoreApplication::translate("Dictionary", "the list words"),
                                    paths.listWordsFile);
        note(m_listWords.openNames(paths.listNamesFile), QCoreApplication::translate("Dictionary", "the list names"), paths.listNamesFile);
        m_canJudge = m_wordNet.isOpen() || spelling || functionWords || listWords;
    }

    // Says once, at the first look-up, which sources are missing.
    bool canJudge()
    {
        if (!m_missing.isEmpty() && !std::exchange(m_reported, true)) {
            const QString missing = m_missing.join(QStringLiteral("; "));
            reportProblem((m_canJudge ? QCoreApplication::translate("Dictionary", "The English dictionary lacks %1; words are judged by its other sources.\n")
                                      : QCoreApplication::translate("Dictionary", "The English dictionary could not be opened: it lacks %1. "
                                                                                  "No word can be judged, so no round can be submitted.\n"))
                              .arg(missing)
                              .toUtf8());
        }
        return m_canJudge;
    }

    const QStringList& missing() const { return m_missing; }

    bool isTerm(const std::string& term)
    {
        if (!hyphensJoinParts(term))
            return false;
        const bool singleWord = term.find(' ') == std::string::npos;
        // A numeral is a term only as WordNet lists it ("1000th"): Hunspell's compound rule
        // makes an ordinal of any digits ("0005th"), and the morphology inflects numbers ("100est").
        if (term.find_first_of("0123456789") != std::string::npos)
            return m_functionWords.find(term) || m_wordNet.listsExactly(wordNetForm(term));
        return m_functionWords.find(term) || m_wordNet.knows(wordNetForm(term))
            || (singleWord && m_spelling.spelling(term) != SpellingDictionary::Spelling::Unknown)
            || m_listWords.find(term);
    }

    DefinitionBuilder definer() { return DefinitionBuilder(m_wordNet, m_functionWords, m_spelling, m_listWords); }

private:
    WordNetDatabase m_wordNet;
    FunctionWords m_functionWords;
    SpellingDictionary m_spelling;
    ListWords m_listWords;
    QStringList m_missing;
    bool m_canJudge = false;
    bool m_reported = false;
};

// Decided at the first look-up, not before main: the installed paths ask where the
// resources are, which a test or a later setting may still change.
std::optional<DictionaryPaths> g_paths;
std::unique_ptr<Dictionary> g_dictionary;

Dictionary& dictionary()
{
    if (!g_dictionary) {
        if (!g_paths)
            g_paths = DictionaryPaths::installed();
        g_dictionary = std::make_unique<Dictionary>(*g_paths);
    }
    return *g_dictionary;
}

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == u'\'' || c == u'\u2019';
}

// The lengths at which a word of `text` ends, shortest first.
std::vector<qsizetype> wordEnds(QStringView text)
{
    std::vector<qsizetype> ends;
    for (qsizetype i = 1; i <= text.size() && ends.size() < kMostWordsInATerm; ++i) {
        if (isWordCharacter(text[i - 1]) && (i == text.size() || !isWordCharacter(text[i])))
            ends.push_back(i);
    }
    return ends;
}

// Where a resource is looked for, named even when it is not there.
QString resourcePath(const QString& fileName)
{
    return QDir(resourceDirectory()).filePath(fileName);
}

std::string lookupForm(QStringView text)
{
    return text.toString().toLower().replace(u'\u2019', u'\'').toStdString();
}

} // namespace

DictionaryPaths DictionaryPaths::installed()
{
    return {QStringLiteral("/usr/share/wordnet"), QStringLiteral("/usr/share/hunspell/en_US.aff"),
            QStringLiteral("/usr/share/hunspell/en_US.dic"),
            resourcePath(QStringLiteral("function_words.txt")), resourcePath(QStringLiteral("ListWords.txt")),
            resourcePath(QStringLiteral("ListNames.txt"))};
}

bool canJudgeWords()
{
    return dictionary().canJudge();
}

QStringList missingDictionarySources()
{
    dictionary().canJudge();
    return dictionary().missing();
}

void setDictionaryPaths(const DictionaryPaths& paths)
{
    g_paths = paths;
    g_dictionary.reset();
}

TermRange termRangeInString(const QString& text, qsizetype offset)
{
    if (offset < 0 || offset >= text.size() || !dictionary().canJudge())
        return {offset, 0};
    const QStringView rest = QStringView(text).mid(offset);
    const std::vector<qsizetype> ends = wordEnds(rest);
    for (auto end = ends.rbegin(); end != ends.rend(); ++end) {
        if (dictionary().isTerm(lookupForm(rest.left(*end))))
            return {offset, *end};
    }
    return {offset, 0};
}

std::optional<QString> copyTextDefinition(const QString& text, TermRange range)
{
    if (range.length <= 0 || range.location < 0 || range.location + range.length > text.size()
        || !dictionary().canJudge())
        return std::nullopt;
    const std::string term = lookupForm(QStringView(text).mid(range.location, range.length));
    if (!dictionary().isTerm(term))
        return std::nullopt;
    return QString::fromStdString(dictionary().definer().definitionOf(term));
}
