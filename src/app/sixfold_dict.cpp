// sixfold-dict WORD...   prints each word's definition and the game's verdict on it
// sixfold-dict --batch   reads one word per line, prints "1<TAB>word" or "0<TAB>word"
#include "words/dictionary_check.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

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
        std::fputs("usage: sixfold-dict WORD...\n       sixfold-dict --batch < words\n", stderr);
        return 2;
    }
    if (words.first() == QStringLiteral("--batch"))
        return judgeStandardInput();
    for (const QString& word : words)
        checkWordAndReport(word);
    return 0;
}
