// SPDX-License-Identifier: GPL-3.0-or-later
// sixfold-dict WORD...   prints each word's definition and the game's verdict on it
// sixfold-dict --batch   reads one word per line, prints "1<TAB>word" or "0<TAB>word"
// sixfold-dict --version prints the version of the game it belongs to
#include "words/dictionary_check.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

constexpr const char* kUsage = "usage: sixfold-dict WORD...\n"
                               "       sixfold-dict --batch < words\n"
                               "       sixfold-dict --version\n";

int judgeStandardInput()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const bool verdict = isWord(QString::fromStdString(line));
        std::printf("%d\t%s\n", verdict ? 1 : 0, line.c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList words = QCoreApplication::arguments().mid(1);
    if (words.isEmpty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (words.first() == QStringLiteral("--batch"))
        return judgeStandardInput();
    if (words.first() == QStringLiteral("--version")) {
        std::puts("sixfold-dict " SIXFOLD_VERSION);
        return 0;
    }
    if (words.first() == QStringLiteral("--help")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    for (const QString& word : words)
        checkWordAndReport(word);
    return 0;
}
