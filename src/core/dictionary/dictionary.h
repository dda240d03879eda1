// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A span of a string in UTF-16 units.
struct TermRange {
    qsizetype location = 0;
    qsizetype length = 0;
};

// Where the dictionary's data files are. Tests point it elsewhere.
struct DictionaryPaths {
    QString wordNetDirectory;
    QString spellingAffixFile;
    QString spellingWordsFile;
    QString functionWordsFile;
    QString listWordsFile;
    QString listNamesFile;

    // WordNet and Hunspell as Debian installs them, the function and list words and names among
    // the resources.
    static DictionaryPaths installed();
};

// Whether any word can be judged: false only when none of the sources that hold words (WordNet,
// Hunspell, the function words, the list words) could be opened. Opens the dictionary, and says
// once which sources are missing.
bool canJudgeWords();

// The sources that could not be opened, each named with where it was looked for; empty when
// the dictionary is whole.
QStringList missingDictionarySources();

// Closes the dictionary; the next look-up opens it from `paths`.
void setDictionaryPaths(const DictionaryPaths& paths);

// The longest dictionary term that starts at `offset` of `text` and ends at a word boundary
// ("ice cream is cold" gives "ice cream"; "catxyz" gives nothing), ignoring case. Its length
// is 0 when there is none; a term only a missing source knows is none.
TermRange termRangeInString(const QString& text, qsizetype offset);

// A plain-text definition of the term at `range` of `text`: the headword, then each part of
// speech ("noun", "verb", "adjective", "adverb", "pronoun", ...) on a line of its own with
// its numbered glosses. Proper names are labelled "name". Nothing when no term is there.
std::optional<QString> copyTextDefinition(const QString& text, TermRange range);
