// SPDX-License-Identifier: GPL-3.0-or-later
// sixfold-dict WORD...   prints each word's definition and the game's verdict on it
// sixfold-dict --batch   reads one word per line, prints "1<TAB>word" or "0<TAB>word"
// sixfold-dict --lexicon reads candidate texts, prints those the game accepts (sorted, lower case)
// sixfold-dict --best PATTERN prints the best words for a slot ('?' where any letter may stand)
// sixfold-dict --version prints the version of the game it belongs to
// --resources DIR, first, reads the function and list words from DIR.
// A dictionary or lexicon missing in part or whole is said on standard error, and the status is
// then 1; --lexicon makes nothing without every source, since its list would lack their words.
#include "core/dictionary/dictionary.h"
#include "core/round/lexicon.h"
#include "core/platform/problem_report.h"
#include "core/platform/resources.h"
#include "core/dictionary/dictionary_check.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <set>
#include <string>

namespace {

constexpr const char* kUsage = "usage: sixfold-dict WORD...\n"
                               "       sixfold-dict --batch < words\n"
                               "       sixfold-dict --lexicon < candidates\n"
                               "       sixfold-dict --best PATTERN\n"
                               "       sixfold-dict --version\n";

enum class Need { SomeSource, EverySource };

// Whether the dictionary serves for `need`; what it lacks has been said on standard error.
bool dictionaryServes(Need need)
{
    const bool whole = missingDictionarySources().isEmpty();
    if (need == Need::EverySource && !whole)
        std::fputs("sixfold-dict: no lexicon is made from a dictionary that lacks a source.\n", stderr);
    return need == Need::EverySource ? whole : canJudgeWords();
}

void judgeStandardInput()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const bool verdict = isWord(QString::fromStdString(line));
        std::printf("%d\t%s\n", verdict ? 1 : 0, line.c_str());
    }
}

// What the board can hold: six printable ASCII characters, none of them white space at
// either end (a slot is never judged otherwise), taken in lower case as the lexicon keeps them.
int filterLexicon()
{
    std::set<std::string> accepted;
    std::string line;
    while (std::getline(std::cin, line)) {
        const QString text = QString::fromStdString(line).toLower();
        const bool printable = std::all_of(line.begin(), line.end(), [](char c) { return c >= ' ' && c <= '~'; });
        if (line.size() == 6 && printable && text.trimmed().size() == 6 && isWord(text))
            accepted.insert(text.toStdString());
    }
    for (const std::string& text : accepted)
        std::printf("%s\n", text.c_str());
    return 0;
}

int printBest(const QString& pattern)
{
    if (pattern.size() != 6 || pattern.toLatin1().size() != 6) {
        std::fprintf(stderr, "sixfold-dict: a pattern has six characters, '?' for any: %s\n", qPrintable(pattern));
        return 2;
    }
    for (const ScoredWord& word : Lexicon::shared().bestFitting(pattern.toLatin1().toStdString(), 20))
        std::printf("%s %d\n", word.text.c_str(), word.score);
    return Lexicon::shared().wordCount() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    // Standard output holds only verdicts and words, which a script reads as such.
    setProblemReporter([](const QByteArray& message) { std::fwrite(message.constData(), 1, static_cast<size_t>(message.size()), stderr); });
    QStringList words = QCoreApplication::arguments().mid(1);
    if (words.size() >= 2 && words.first() == QStringLiteral("--resources")) {
        setResourceDirectory(words.at(1));
        words = words.mid(2);
    }
    if (words.isEmpty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (words.first() == QStringLiteral("--best") && words.size() == 2)
        return printBest(words.at(1));
    if (words.first() == QStringLiteral("--version")) {
        std::puts("sixfold-dict " SIXFOLD_VERSION);
        return 0;
    }
    if (words.first() == QStringLiteral("--help")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (words.first() == QStringLiteral("--lexicon"))
        return dictionaryServes(Need::EverySource) ? filterLexicon() : 1;
    if (!dictionaryServes(Need::SomeSource))
        return 1;
    // Judged by the sources there are, but not as the whole dictionary would judge.
    const int status = missingDictionarySources().isEmpty() ? 0 : 1;
    if (words.first() == QStringLiteral("--batch")) {
        judgeStandardInput();
        return status;
    }
    for (const QString& word : words)
        checkWordAndReport(word);
    return status;
}
