// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// True when a definition text names a part of speech (or one of two further labels),
// matched case-sensitively: "pronoun", "noun", "adverb", "verb", "conjunction",
// "adjective", "definite article", "indefinite article", "preposition", "interjection",
// "commercial city", "ensign".
bool checkDefinition(const QString& definition);

// True when the term the dictionary finds at the start of `word` is the whole of `word`
// (surrounding white space aside) and its definition passes: "ice ax" is a word, "cat-xy"
// is not, though "cat" starts it.
bool isWord(const QString& word);

// Looks up `text` exactly as typed and writes the definition of the term found at its start,
// then the verdict: a word only when that term is the whole text (white space after it
// aside) and its definition passes. A leading space finds no term, so " garden" is not a word.
// The verdict is also said aloud, with the first sense of the definition (see spokenVerdict).
void checkWordAndReport(const QString& text);

// What Check Word says to a listener: the verdict on `typed`, then the part of speech and the
// first numbered sense of `definition` ("term\npart of speech\n  1. sense\n  2. …"), which
// a listener would otherwise wait through whole. Without a sense, the verdict alone.
QString spokenVerdict(const QString& typed, bool isWord, const std::optional<QString>& definition);
