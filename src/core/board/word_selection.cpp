// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/word_selection.h"

#include "core/board/picking.h"
#include "core/platform/text_search.h"
#include "core/board/vowels.h"
#include "core/board/word_list.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int64_t kDrawsPerListWord = 100;
constexpr int kFreshStarts = 5;
constexpr int32_t kLastIndex = kWordLength - 1;

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The layout reads six letters from every word and crosses them at the indexes found here;
// a damaged list's blank lines, short words and stray punctuation must never reach it.
bool holdsSixLetters(const char* word)
{
    for (int32_t i = 0; i < kWordLength; ++i) {
        if (!isAsciiLetter(word[i]))
            return false;
    }
    return word[kWordLength] == 0;
}

// The rows of the list that can take part in a puzzle; a sound list gives all of them,
// so every word is still drawn with the same chance.
std::vector<int64_t> usableRows()
{
    std::vector<int64_t> rows;
    rows.reserve(static_cast<size_t>(std::max(gSixListMax - 1, 0)));
    for (int64_t row = 1; row < gSixListMax && row < kSixWordRows; ++row) {
        if (holdsSixLetters(gSixWords[row]))
            rows.push_back(row);
    }
    return rows;
}

class ChainDrawer {
public:
    explicit ChainDrawer(std::vector<int64_t> rows)
        : m_rows(std::move(rows))
        , m_drawsPerStep(kDrawsPerListWord * static_cast<int64_t>(m_rows.size()))
    {
    }

    std::optional<PuzzleWords> drawChain() const
    {
        PuzzleWords puzzle;
        auto& words = puzzle.words;
        char crossLetter[2] = {0, 0};

        if (!drawUntil(words[0], [&](const char* word) {
                puzzle.vowelIndex = getNthVowel(word, 1);
                return puzzle.vowelIndex < kWordLength;
            }))
            return std::nullopt;

        const char vowel = words[0][puzzle.vowelIndex];
        if (!drawUntil(words[1], [&](const char* word) { return word[0] == vowel; }))
            return std::nullopt;
        crossLetter[0] = words[1][kWord1CrossIndex];

        if (!drawUntil(words[2], [&](const char* word) {
                puzzle.word2Cross = textContains(word, crossLetter, 1);
                return puzzle.word2Cross != -1 && isValidChain(chainCrossings(puzzle));
            }))
            return std::nullopt;

        const char word2Last = words[2][kLastIndex];
        if (!drawUntil(words[3], [&](const char* word) { return word[0] == word2Last; }))
            return std::nullopt;
        crossLetter[0] = words[3][kLastIndex];

        if (!drawUntil(words[4], [&](const char* word) {
                puzzle.word4Cross = textContains(word, crossLetter, 1);
                return puzzle.word4Cross != -1;
            }))
            return std::nullopt;
        return puzzle;
    }

private:
    // Draws usable words into `word` until `meets` accepts one; false when the step's draws
    // run out first.
    template <typename Condition>
    bool drawUntil(std::array<char, 32>& word, Condition meets) const
    {
        for (int64_t i = 0; i < m_drawsPerStep; ++i) {
            const int64_t row = m_rows[static_cast<size_t>(rnd(static_cast<uint32_t>(m_rows.size())))];
            int32_t length = 0;
            getNthWord(row, word.data(), &length, nullptr);
            if (meets(word.data()))
                return true;
        }
        return false;
    }

    std::vector<int64_t> m_rows;
    int64_t m_drawsPerStep;
};

} // namespace

std::optional<PuzzleWords> selectPuzzleWords()
{
    std::vector<int64_t> rows = usableRows();
    if (rows.empty())
        return std::nullopt;
    const ChainDrawer drawer(std::move(rows));
    for (int start = 0; start <= kFreshStarts; ++start) {
        if (auto puzzle = drawer.drawChain())
            return puzzle;
    }
    return std::nullopt;
}

std::optional<PuzzleWords> selectPuzzleWords(uint64_t seed)
{
    seedDealing(seed);
    return selectPuzzleWords();
}

std::array<QString, kWordCount> wordsOf(const PuzzleWords& puzzle)
{
    std::array<QString, kWordCount> words;
    for (int i = 0; i < kWordCount; ++i)
        words[i] = QString::fromLatin1(puzzle.words[i].data(), kWordLength);
    return words;
}
