#include "board/word_selection.h"

#include "scoring/word_score.h"
#include "words/picking.h"
#include "words/text_search.h"
#include "words/vowels.h"
#include "words/word_list.h"

namespace {

constexpr int64_t kDrawsPerListWord = 100;
constexpr int kFreshStarts = 5;
constexpr int32_t kWord1CrossIndex = 3;
constexpr int32_t kLastIndex = 5;

// Draws into `word` until `meets` accepts it; false when `draws` run out first.
template <typename Condition>
bool drawUntil(std::array<char, 32>& word, int64_t draws, Condition meets)
{
    for (int64_t i = 0; i < draws; ++i) {
        getRandomNLetterWord(word.data(), gWordSize);
        if (meets(word.data()))
            return true;
    }
    return false;
}

std::optional<PuzzleWords> drawChain(int64_t drawsPerStep)
{
    PuzzleWords puzzle;
    auto& words = puzzle.words;
    char crossLetter[2] = {0, 0};

    getRandomNLetterWord(words[0].data(), gWordSize);
    puzzle.vowelIndex = getNthVowel(words[0].data(), 1);

    const char vowel = words[0][puzzle.vowelIndex];
    if (!drawUntil(words[1], drawsPerStep, [&](const char* word) { return word[0] == vowel; }))
        return std::nullopt;
    crossLetter[0] = words[1][kWord1CrossIndex];

    if (!drawUntil(words[2], drawsPerStep, [&](const char* word) {
            puzzle.word2Cross = textContains(word, crossLetter, 1);
            return puzzle.word2Cross != -1 && puzzle.word2Cross <= puzzle.vowelIndex
                && puzzle.word2Cross < kLastIndex;
        }))
        return std::nullopt;
    crossLetter[0] = words[2][puzzle.word2Cross];

    const char word2Last = words[2][kLastIndex];
    if (!drawUntil(words[3], drawsPerStep, [&](const char* word) { return word[0] == word2Last; }))
        return std::nullopt;
    crossLetter[0] = words[3][kLastIndex];

    if (!drawUntil(words[4], drawsPerStep, [&](const char* word) {
            puzzle.word4Cross = textContains(word, crossLetter, 1);
            return puzzle.word4Cross != -1;
        }))
        return std::nullopt;
    return puzzle;
}

} // namespace

std::optional<PuzzleWords> selectPuzzleWords()
{
    const int64_t listSize = gSixListMax - 1;
    if (listSize < 1)
        return std::nullopt;
    for (int start = 0; start < kFreshStarts; ++start) {
        if (auto puzzle = drawChain(kDrawsPerListWord * listSize))
            return puzzle;
    }
    return std::nullopt;
}

int32_t computerScore(const PuzzleWords& puzzle)
{
    int32_t score = 0;
    for (int32_t i = 0; i < gNumWords; ++i)
        score += scoreWord(puzzle.words[i].data());
    return score;
}
