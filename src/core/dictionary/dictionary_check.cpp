// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/dictionary_check.h"

#include "core/platform/log_console.h"
#include "core/dictionary/dictionary.h"
#include "core/platform/text_search.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr const char* kPartOfSpeechTerms[] = {
    "pronoun", "noun", "adverb", "verb", "conjunction", "adjective", "definite article",
    "indefinite article", "preposition", "interjection", "commercial city", "ensign",
};

// What the dictionary says of the term at the start of a text.
// No term at the start of the text reads as a term without a definition: no word at all.
struct Lookup {
    std::optional<QString> definition;
    bool coversText {}; // the term is the whole text, not only its start
};

enum class Leading { Trimmed, AsTyped };

// White space after the word is no part of it, so "garden " is judged as "garden"; anything
// else after the term ("cat-xy") keeps it from covering the text. Check Word looks its text
// up as typed, where a leading space finds no term.
Lookup lookUp(const QString& text, Leading leading)
{
    const QString word = leading == Leading::Trimmed ? text.trimmed() : text;
    const TermRange range = termRangeInString(word, 0);
    if (range.length == 0)
        return {};
    return {copyTextDefinition(word, range), range.location == 0 && range.length == word.trimmed().size()};
}

} // namespace

bool checkDefinition(const QString& definition)
{
    const QByteArray bytes = definition.toUtf8();
    for (const char* term : kPartOfSpeechTerms) {
        if (textContains(bytes.constData(), term, 1) != -1)
            return true;
    }
    return false;
}

bool isWord(const QString& word)
{
    if (word.toUtf8().isEmpty())
        return false;
    const Lookup lookup = lookUp(word, Leading::Trimmed);
    return lookup.coversText && lookup.definition && checkDefinition(*lookup.definition);
}

void checkWordAndReport(const QString& text)
{
    const Lookup lookup = lookUp(text, Leading::AsTyped);
    if (lookup.definition)
        myPrintf("%s\n", lookup.definition->toUtf8().constData());
    const bool word = lookup.coversText && lookup.definition && checkDefinition(*lookup.definition);
    printMessage(word ? QCoreApplication::translate("CheckWord", "'%1' is a word\n").arg(text)
                      : QCoreApplication::translate("CheckWord", "'%1' is not a word.\n").arg(text));
    sayAloud(spokenVerdict(text, word, lookup.definition));
}

QString spokenVerdict(const QString& typed, bool isWord, const std::optional<QString>& definition)
{
    const QString said = isWord ? QCoreApplication::translate("CheckWord", "%1 is a word.").arg(typed.trimmed())
                                : QCoreApplication::translate("CheckWord", "%1 is not a word.").arg(typed.trimmed());
    if (!definition)
        return said;
    const QStringList lines = definition->split(u'\n');
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (!line.startsWith(QLatin1String("1. ")))
            continue;
        QString sense = line.mid(3);
        if (sense.endsWith(u'.'))
            sense.chop(1);
        return QCoreApplication::translate("CheckWord", "%1 %2, %3: %4.", "the verdict, then the term, its part of speech and its first sense")
            .arg(said, lines[0].trimmed(), lines[i - 1].trimmed(), sense);
    }
    return said;
}
