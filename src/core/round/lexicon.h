// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr char kAnyLetter = '?';

// What the lexicon file held when the game was built (CMake reads resources/Lexicon.txt).
struct LexiconFingerprint {
    qsizetype lines = 0;   // line feeds
    QByteArray sha256;     // in lower-case hex
    static LexiconFingerprint built();
};

// Why `bytes` (nothing: the file could not be read) cannot serve as the lexicon built into the
// game, as the end of a sentence ("is damaged: it has 500 lines where ..."); nothing when they can.
std::optional<QString> lexiconFault(const std::optional<QByteArray>& bytes, const LexiconFingerprint& built);

// A lexicon word and its letter value (scoreWord: a hyphen, an apostrophe or a space is 1).
struct ScoredWord {
    std::string text; // six characters, lower case
    int score = 0;
    bool operator==(const ScoredWord&) const = default;
};

// The six-character texts the dictionary accepts (resources/Lexicon.txt, which
// scripts/make-word-lists generates with the dictionary check itself), held best first: by
// score, highest first, then alphabetically. That order lets a search stop at the first
// words that fit, which nearly always come early.
class Lexicon {
public:
    Lexicon() = default;
    // One text a line; a line that is not six printable ASCII characters is skipped. The
    // `withheld` texts (the same form) are words still, but never offered as anyone's best.
    explicit Lexicon(const QByteArray& lines, const QByteArray& withheld = {});

    // Read from the resources at the first call, never before: launch costs nothing. A list
    // that is missing or not the one built (see lexiconFault) is reported once and leaves the
    // lexicon empty, so no slot has a best word and no board a best possible score.
    // The slurs and obscenities of resources/withheld_words.txt, which no puzzle shows
    // either, are left out: the best words are shown to anyone.
    static const Lexicon& shared();

    size_t wordCount() const { return m_words.size(); }

    // The `count` highest-scoring words that fit `pattern`, best first (ties alphabetical).
    // The pattern has six characters, kAnyLetter where any may stand; a fixed letter matches
    // without regard to case. Any other length fits nothing.
    std::vector<ScoredWord> bestFitting(std::string_view pattern, size_t count) const;
    // Whether `text` (six characters, any case) is one of the words.
    bool hasWord(std::string_view text) const;

private:
    struct Entry {
        std::array<char, 6> text;
        int score;
    };
    std::vector<Entry> m_words;
};
