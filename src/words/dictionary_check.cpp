#include "words/dictionary_check.h"

#include "console/log_console.h"
#include "platform/dictionary/dictionary.h"
#include "words/text_search.h"

namespace {

constexpr const char* kPartOfSpeechTerms[] = {
    "pronoun", "noun", "adverb", "verb", "conjunction", "adjective", "definite article",
    "indefinite article", "preposition", "interjection", "commercial city", "ensign",
};

// A term was found, but a definition that does not come back judges as no word at all.
std::optional<QString> definitionAtStart(const QString& text, TermRange* range)
{
    *range = termRangeInString(text, 0);
    if (range->length == 0)
        return std::nullopt;
    return copyTextDefinition(text, *range);
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
    TermRange range;
    const auto definition = definitionAtStart(word, &range);
    return definition && checkDefinition(*definition);
}

void checkWordAndReport(const QString& text)
{
    const QByteArray typed = text.toUtf8();
    TermRange range;
    const auto definition = definitionAtStart(text, &range);
    if (range.length == 0) {
        myPrintf("'%s' is not a word.\n", typed.constData());
        return;
    }
    if (definition)
        myPrintf("%s\n", definition->toUtf8().constData());
    if (definition && checkDefinition(*definition))
        myPrintf("'%s' is a word\n", typed.constData());
    else
        myPrintf("'%s' is not a word.\n", typed.constData());
}
