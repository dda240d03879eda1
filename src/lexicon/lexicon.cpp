// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/lexicon.h"

#include "model/board_geometry.h"
#include "model/word_score.h"
#include "platform/problem_report.h"
#include "platform/resources.h"

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

} // namespace

Lexicon::Lexicon(const QByteArray& lines)
{
    for (qsizetype start = 0; start < lines.size();) {
        const qsizetype end = lines.indexOf('\n', start) < 0 ? lines.size() : lines.indexOf('\n', start);
        const QByteArrayView line = QByteArrayView(lines).sliced(start, end - start);
        start = end + 1;
        if (line.size() != kWordLength || !std::all_of(line.begin(), line.end(), isPrintableAscii))
            continue;
        Entry entry {};
        std::transform(line.begin(), line.end(), entry.text.begin(), folded);
        const std::string text(entry.text.data(), entry.text.size());
        entry.score = scoreWord(text.c_str());
        m_words.push_back(entry);
    }
    std::sort(m_words.begin(), m_words.end(), [](const Entry& a, const Entry& b) {
        return a.score != b.score ? a.score > b.score : a.text < b.text;
    });
    m_words.erase(std::unique(m_words.begin(), m_words.end(),
                              [](const Entry& a, const Entry& b) { return a.text == b.text; }),
                  m_words.end());
}

const Lexicon& Lexicon::shared()
{
    static const Lexicon lexicon = [] {
        const std::optional<QString> path = pathForResource(QStringLiteral("Lexicon"), QStringLiteral("txt"));
        const std::optional<QByteArray> bytes = path ? readWholeFile(*path) : std::nullopt;
        if (!bytes)
            reportProblem("The word lexicon (Lexicon.txt) could not be read; no best words can be shown.\n");
        return Lexicon(bytes.value_or(QByteArray()));
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
