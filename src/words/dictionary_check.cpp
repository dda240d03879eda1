#include "words/dictionary_check.h"

#include "console/log_console.h"
#include "platform/dictionary/dictionary.h"
#include "words/text_search.h"

namespace {

constexpr const char* kPartOfSpeechTerms[] = {
    "pronoun", "noun", "adverb", "verb", "conjunction", "adjective", "definite article",
    "indefinite article", "preposition", "interjection", "commercial city", "ensign",
};

// What the dictionary says of the term at the start of a text.
struct Lookup {
    bool found = false;               // a term starts the text
    std::optional<QString> definition; // a found term without a definition is no word at all
    bool coversText = false;          // the term is the whole text, not only its start
};

// Surrounding white space is no part of what was typed as a word: "garden " and " garden"
// are judged as "garden". Anything else after the term ("cat-xy") keeps it from covering.
Lookup lookUp(const QString& text)
{
    const QString word = text.trimmed();
    const TermRange range = termRangeInString(word, 0);
    Lookup lookup;
    if (range.length == 0)
        return lookup;
    lookup.found = true;
    lookup.definition = copyTextDefinition(word, range);
    lookup.coversText = range.location == 0 && range.length == word.size();
    return lookup;
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
    const Lookup lookup = lookUp(word);
    return lookup.coversText && lookup.definition && checkDefinition(*lookup.definition);
}

void checkWordAndReport(const QString& text)
{
    const QByteArray typed = text.toUtf8();
    const Lookup lookup = lookUp(text);
    if (!lookup.found) {
        myPrintf("'%s' is not a word.\n", typed.constData());
        return;
    }
    if (lookup.definition)
        myPrintf("%s\n", lookup.definition->toUtf8().constData());
    if (lookup.coversText && lookup.definition && checkDefinition(*lookup.definition))
        myPrintf("'%s' is a word\n", typed.constData());
    else
        myPrintf("'%s' is not a word.\n", typed.constData());
}
