// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/board_best.h"
#include "core/round/game_model.h"
#include "core/round/hint.h"
#include "core/board/word_score.h"
#include "core/platform/resources.h"

#include "support/layer_test.h"

#include <algorithm>

namespace {

TEST(LexiconTest, KeepsSixPrintableCharactersBestFirstAndMatchesFixedLettersInAnyCase)
{
    const Lexicon lexicon("\nzygote\nABACUS\nshort\nabacus\ne-mail\r\n\xc3\xa9tude\nquartz\nquartzes\nice ox\nice ax\naaaaaa");
    const auto texts = [&](const char* pattern, size_t count) {
        std::string joined;
        for (const ScoredWord& word : lexicon.bestFitting(pattern, count))
            joined += word.text + ' ' + std::to_string(word.score) + ' ';
        return joined;
    };
    EXPECT_EQ(texts("??????", 9), "quartz 24 zygote 19 ice ax 15 ice ox 15 abacus 10 aaaaaa 6 ");
    EXPECT_EQ(texts("?Y????", 9) + texts("ICE ?X", 9) + texts("??????", 2), "zygote 19 ice ax 15 ice ox 15 quartz 24 zygote 19 ");
    EXPECT_EQ(texts("?????", 9) + texts("???????", 9) + texts("??????", 0) + texts("e-mail", 1), "");
}

TEST(LexiconTest, AWithheldWordIsNeverOfferedAndNoneTwice)
{
    const Lexicon repeated(QByteArray("zygote\nquartz\nABACUS\n").repeated(20), "QUARTZ\nabacus\n"); // withheld in any order
    EXPECT_EQ(repeated.bestFitting("??????", 3), (std::vector<ScoredWord> {{"zygote", 19}}));
    EXPECT_TRUE(Lexicon::shared().bestFitting("sodomy", 1).empty()) << "a slur offered";
    EXPECT_EQ(Lexicon::shared().bestFitting("sodium", 1).size(), 1u) << "a word withheld for a slur beside it";
}

TEST(LexiconTest, TheOutcomeSaysWhoWonAndByHowMuch)
{
    for (const auto& [you, verdict] : {std::pair(21, "you won by 1"), {20, "a draw"}, {19, "you lost by 1"}})
        EXPECT_EQ(roundOutcome(you, 20, {}), QString("Last round: you %1, computer 20 \u2013 %2.\nThe best possible is unknown.").arg(you).arg(verdict));
}

// Only the lexicon the game was built with is trusted: one cut short, garbled or missing is told.
TEST(LexiconTest, OnlyTheLexiconAsBuiltIsTrusted)
{
    const LexiconFingerprint built = LexiconFingerprint::built();
    const QByteArray bytes = readWholeFile(pathForResource("Lexicon", "txt").value()).value();
    const QString cut = QString("is damaged: it has %2 lines where the game was built with %1").arg(built.lines);
    const struct { const char* what; std::optional<QByteArray> bytes; std::optional<QString> fault; } rows[] = {
        {"as built", bytes, std::nullopt}, {"missing", std::nullopt, "could not be read"},
        {"cut to 500 lines", bytes.left(bytes.indexOf("\n", 7 * 500 - 1) + 1), cut.arg(500)}, {"garbled", QByteArray("\x9c\xf1zq\n\x03"), cut.arg(1)},
        {"a letter changed", "~" + bytes.mid(1), "is damaged: its words differ from those the game was built with"}};
    for (const auto& row : rows)
        EXPECT_EQ(lexiconFault(row.bytes, built), row.fault) << row.what;
}

// No best possible falls below the computer's own score: a lexicon without one of its words, or none, tells none.
TEST(LexiconTest, NoBestPossibleFallsBelowTheComputersScore)
{
    GameModel model;
    model.deal({"garden", "anchor", "chosen", "normal", "silver"}, {1, 1, 2}); // the computer scores 47
    const QByteArray words = "anchor\nchosen\nnormal\nsilver\n";
    for (const auto& [lexicon, known] : {std::pair(Lexicon(words + "garden\n"), true), {Lexicon(words), false}, {Lexicon(), false}}) {
        const BoardBest best = bestOfBoard(*model.board(), lexicon);
        EXPECT_EQ(best.isKnown, known) << "best " << best.total;
        EXPECT_TRUE(roundReview(*model.board(), best).endsWith(known ? "; the board allowed 47." : "; the best possible is unknown.")) << "best " << best.total;
    }
}

// The review marks the best words the common ones lack, gives the best with common words beside the best possible, and
// counts hints; a hint no common word fits shows the pattern, for the word at the cursor or, off the board, the first unfinished.
TEST(LexiconTest, TheReviewMarksRareWordsAndAHintNoCommonWordFitsShowsThePattern)
{
    GameModel model;
    model.deal({"garden", "anchor", "chosen", "normal", "silver"}, {1, 1, 2}); // the computer scores 47
    BoardState board = *model.board();
    board.hints = 2;
    const QByteArray words = "garden\nanchor\nchosen\nnormal\nsilver\n";
    BoardBest best = bestOfBoard(board, Lexicon(words + "jazzed\n"), 2);
    addCommonBest(best, board, Lexicon(words));
    const QString review = roundReview(board, best);
    EXPECT_TRUE(review.contains(QStringLiteral("Best that fitted: JAZZED %1 (rare); also GARDEN %2. The computer's word: GARDEN.\n").arg(scoreWord("jazzed")).arg(scoreWord("garden")))) << review.toStdString();
    EXPECT_TRUE(review.endsWith(QStringLiteral("the board allowed %1, with common words 47. 2 hints taken.").arg(47 - scoreWord("garden") + scoreWord("jazzed")))) << review.toStdString();
    board.typed = {{0, 0, "Q", Verdict::Unchecked}, {2, 0, "x", Verdict::Unchecked}};
    for (const BoardCell focus : {BoardCell {3, 0}, BoardCell {19, 19}})
        EXPECT_EQ(hintFor(board, focus, Lexicon(words)).said, "No common word fits Q A X _ _ _.");
}

// The worked example, and a board whose first two words share their first cell; the best words are held against a scan of the whole lexicon.
TEST(LexiconTest, EachSlotsBestWordFitsAndNoFittingWordScoresMore)
{
    const std::vector<ScoredWord> all = Lexicon::shared().bestFitting("??????", Lexicon::shared().wordCount());
    const auto fits = [](const std::string& word, const std::string& pattern) {
        return std::equal(word.begin(), word.end(), pattern.begin(), [](char w, char p) { return p == kAnyLetter || p == w; });
    };
    const struct { std::array<QString, kWordCount> words; ChainCrossings chain; } boards[] = {
        {{"garden", "anchor", "chosen", "normal", "silver"}, {1, 1, 2}}, {{"orange", "office", "island", "dinner", "silver"}, {0, 0, 5}}};
    for (const auto& dealt : boards) {
        GameModel model;
        model.deal(dealt.words, dealt.chain);
        BoardState board = *model.board();
        const std::vector<BoardCell> crossings = crossingCells(board);
        const BoardBest best = bestOfBoard(board, Lexicon::shared(), 3);
        int total = 0, fixedLetters = 0;
        for (int w = 0; w < kWordCount; ++w) {
            const std::string computer = board.words[w].letters.toStdString();
            std::vector<ScoredWord> scan;
            std::copy_if(all.begin(), all.end(), std::back_inserter(scan), [&](const ScoredWord& word) { return fits(word.text, best.patterns[w]); });
            std::stable_sort(scan.begin(), scan.end(), [](const ScoredWord& a, const ScoredWord& b) { return a.score > b.score; });
            scan.resize(std::min<size_t>(scan.size(), 3));
            ASSERT_TRUE(fits(computer, best.patterns[w]) && best.fitting[w] == scan) << computer << ' ' << best.patterns[w];
            EXPECT_LE(scoreWord(computer.c_str()), scan.front().score);
            total += scan.front().score;
            fixedLetters += int(std::count_if(best.patterns[w].begin(), best.patterns[w].end(), [](char c) { return c != kAnyLetter; }));
        }
        const PlacedWord& first = board.words[0]; // typed but for its crossing, judged a word: the review's total is its points
        for (int k = 0; k < kWordLength; ++k)
            if (std::find(crossings.begin(), crossings.end(), first.place.cell(k)) == crossings.end())
                board.typed.push_back({first.place.cell(k).x, first.place.cell(k).y, first.letters.mid(k, 1), Verdict::Word});
        // Each crossing fixes a letter in two slots.
        SCOPED_TRACE(board.words[0].letters.toStdString());
        EXPECT_EQ(best.total, total);
        EXPECT_EQ(best.behindBy(computerScoreOf(board)), total - computerScoreOf(board));
        EXPECT_EQ(fixedLetters, 2 * kCrossingCount);
        EXPECT_EQ(roundReview(board, best).section(u'\n', -1), QString("You %1, computer %2; the board allowed %3.")
                  .arg(scoreWord(first.letters.toLatin1().constData())).arg(board.computerScore).arg(total));
    }
}

} // namespace
