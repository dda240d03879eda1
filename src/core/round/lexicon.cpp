// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/lexicon.h"

#include "core/board/board_geometry.h"
#include "core/board/word_score.h"
#include "core/platform/problem_report.h"
#include "core/platform/resources.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>

#include <algorithm>
#include <optional>

static_assert(kWordLength == 6, "the lexicon holds six-character words");

namespace {

char folded(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isPrintableAscii(char c)
{
    return c >= ' ' && c <= '~';
}

// The six-character lines of `lines`, folded to lower case.
std::vector<std::array<char, 6>> textsOf(const QByteArray& lines)
{
    std::vector<std::array<char, 6>> texts;
    for (qsizetype start = 0; start < lines.size();) {
        const qsizetype end = lines.indexOf('\n', start) < 0 ? lines.size() : lines.indexOf('\n', start);
        const QByteArrayView line = QByteArrayView(lines).sliced(start, end - start);
        start = end + 1;
        if (line.size() != kWordLength || !std::all_of(line.begin(), line.end(), isPrintableAscii))
            continue;
        std::transform(line.begin(), line.end(), texts.emplace_back().begin(), folded);
    }
    return texts;
}

} // namespace

Lexicon::Lexicon(const QByteArray& lines, const QByteArray& withheld)
{
    std::vector<std::array<char, 6>> left = textsOf(withheld);
    std::sort(left.begin(), left.end());
    for (const std::array<char, 6>& text : textsOf(lines)) {
        if (!std::binary_search(left.begin(), left.end(), text))
            m_words.push_back({text, scoreWord(std::string(text.data(), text.size()).c_str())});
    }
    std::sort(m_words.begin(), m_words.end(), [](const Entry& a, const Entry& b) {
        return a.score != b.score ? a.score > b.score : a.text < b.text;
    });
    m_words.erase(std::unique(m_words.begin(), m_words.end(),
                              [](const Entry& a, const Entry& b) { return a.text == b.text; }),
                  m_words.end());
}

LexiconFingerprint LexiconFingerprint::built()
{
    return {SIXFOLD_LEXICON_LINES, QByteArrayLiteral(SIXFOLD_LEXICON_SHA256)};
}

std::optional<QString> lexiconFault(const std::optional<QByteArray>& bytes, const LexiconFingerprint& built)
{
    if (!bytes)
        return QCoreApplication::translate("Lexicon", "could not be read");
    const qsizetype lines = bytes->count('\n');
    if (lines != built.lines)
        return QCoreApplication::translate("Lexicon", "is damaged: it has %1 lines where the game was built with %2").arg(lines).arg(built.lines);
    if (QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256).toHex() != built.sha256)
        return QCoreApplication::translate("Lexicon", "is damaged: its words differ from those the game was built with");
    return std::nullopt;
}

const Lexicon& Lexicon::shared()
{
    static const Lexicon lexicon = [] {
        const auto read = [](const char* name) {
            const std::optional<QString> path = pathForResource(QString::fromLatin1(name), QStringLiteral("txt"));
            return path ? readWholeFile(*path) : std::nullopt;
        };
        const std::optional<QByteArray> bytes = read("Lexicon"), withheld = read("withheld_words");
        // A cut or garbled list would offer a best below what the computer itself scored.
        if (const std::optional<QString> fault = lexiconFault(bytes, LexiconFingerprint::built())) {
            //: %2 says what is wrong with the file, such as "could not be read"
            reportProblem(QCoreApplication::translate("Lexicon", "The word lexicon (%1) %2; the best possible score of a board is unknown.\n")
                              .arg(QDir(resourceDirectory()).filePath(QStringLiteral("Lexicon.txt")), *fault)
                              .toUtf8());
            return Lexicon();
        }
        if (!withheld) // without the withheld words, it offers no words at all
            reportProblem(QCoreApplication::translate("Lexicon", "The withheld words (withheld_words.txt) could not be read; no best words can be shown.\n")
                              .toUtf8());
        return withheld ? Lexicon(*bytes, *withheld) : Lexicon();
    }();
    return lexicon;
}

std::vector<ScoredWord> Lexicon::bestFitting(std::string_view pattern, size_t count) const
{
    std::vector<ScoredWord> found;
    if (pattern.size() != static_cast<size_t>(kWordLength))
        return found;
    std::array<char, 6> fixed {};
    std::transform(pattern.begin(), pattern.end(), fixed.begin(), folded);
    for (const Entry& entry : m_words) {
        if (found.size() >= count)
            break;
        bool fits = true;
        for (size_t i = 0; i < fixed.size() && fits; ++i)
            fits = fixed[i] == kAnyLetter || fixed[i] == entry.text[i];
        if (fits)
            found.push_back({std::string(entry.text.data(), entry.text.size()), entry.score});
    }
    return found;
}

bool Lexicon::hasWord(std::string_view text) const
{
    if (text.size() != static_cast<size_t>(kWordLength))
        return false;
    std::array<char, 6> wanted {};
    std::transform(text.begin(), text.end(), wanted.begin(), folded);
    return std::any_of(m_words.begin(), m_words.end(), [&](const Entry& entry) { return entry.text == wanted; });
}
