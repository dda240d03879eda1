#pragma once

#include <QString>

// True when a definition text names a part of speech (or one of two further labels),
// matched case-sensitively: "pronoun", "noun", "adverb", "verb", "conjunction",
// "adjective", "definite article", "indefinite article", "preposition", "interjection",
// "commercial city", "ensign".
bool checkDefinition(const QString& definition);

// True when the dictionary finds a term at the start of `word` whose definition passes.
// The term need not cover the whole word; the puzzle check adds that requirement.
bool isWord(const QString& word);

// Looks up `text` as typed and writes the definition and the verdict to the console.
void checkWordAndReport(const QString& text);
