// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/game_model.h"
#include "core/round/shared_result.h"
#include "core/board/word_score.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Worked by hand from the rules: the alphabet is worth 87 in either case, so a change to any one letter's value shows; any other byte is worth one.
TEST(WordScoreTest, LettersScoreTheirValueInEitherCaseAndEveryOtherByteIsWorthOne)
{
    EXPECT_EQ(std::tuple(scoreWord("abcdefghijklmnopqrstuvwxyz"), scoreWord("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), scoreWord(""), scoreWord("quizzy"),
                         scoreWord("a-b 7"), scoreWord("[`{@"), scoreWord("\xc3\xa9")), std::tuple(87, 87, 0, 36, 7, 4, 2));
}

// garden, anchor, chosen, normal, silver: crossing at (1, 0), (1, 3), (5, 3), (5, 8).
GameModel dealtBoard()
{
    GameModel model;
    model.deal({"GARDEN", "anchor", "chosen", "normal", "silver"}, {1, 1, 2});
    return model;
}

TEST(GameModelTest, ADealtBoardShowsItsCrossingsAndScoresItsWords)
{
    const GameModel model = dealtBoard();
    EXPECT_EQ(model.computerScore(), 8 + 11 + 11 + 8 + 9);
    EXPECT_EQ(model.board()->words[0].letters, "garden");
    const struct { BoardCell cell; const char* shown; bool fixed; } cells[] = {
        {{1, 0}, "A", true}, {{1, 3}, "H", true}, {{5, 3}, "N", true}, {{5, 8}, "L", true},
        {{0, 0}, "", false}, {{2, 3}, "", false}, {{7, 7}, "", false}};
    for (const auto& [cell, shown, fixed] : cells) {
        EXPECT_EQ(model.letterAt(cell), shown) << cell.x << ',' << cell.y;
        EXPECT_EQ(model.isFixed(cell), fixed) << cell.x << ',' << cell.y;
    }
}

// Typing lands only on blank cells; a check judges every typed letter by its slot and gives
// each slot its points; a new letter or an emptied cell loses the verdict and its slot's points.
TEST(GameModelTest, TypedLettersTakeTheirSlotsVerdictUntilRetyped)
{
    GameModel model = dealtBoard();
    int told = 0; // whatever shows the points hears of each change
    model.setPointsListener([&told] { ++told; });
    model.setLetter({1, 0}, "Z");
    model.setLetter({7, 7}, "Z");
    EXPECT_TRUE(model.board()->typed.empty());
    for (const BoardCell cell : {BoardCell {0, 0}, {1, 1}, {5, 4}, {8, 8}})
        model.setLetter(cell, "Q");
    EXPECT_EQ(model.pointsOf(0), std::nullopt);
    model.applyCheck({true, false, true, true, false}, {9, 5, 4, 6, 5}, 19);
    EXPECT_EQ(model.playerScore(), 19);
    EXPECT_EQ((std::array {model.pointsOf(0), model.pointsOf(1), model.pointsOf(4), model.pointsOf(kWordCount)}), (std::array<std::optional<int>, 4> {9, 0, 0, {}}));
    EXPECT_EQ((std::array {model.verdictAt({0, 0}), model.verdictAt({1, 1}), model.verdictAt({5, 4}), model.verdictAt({8, 8}), model.verdictAt({2, 0})}),
              (std::array {Verdict::Word, Verdict::NotWord, Verdict::Word, Verdict::NotWord, Verdict::Unchecked}));
    model.setLetter({0, 0}, "G"), model.setLetter({1, 1}, "");
    EXPECT_EQ(std::tuple(model.letterAt({0, 0}), model.verdictAt({0, 0}), model.letterAt({1, 1})), std::tuple("G", Verdict::Unchecked, ""));
    EXPECT_EQ(model.board()->typed.size(), 3u);
    EXPECT_EQ((std::array {model.pointsOf(0), model.pointsOf(1), model.pointsOf(2)}), (std::array<std::optional<int>, 3> {std::nullopt, std::nullopt, 4}));
    model.setOrigin({5, 0}), model.deal({"garden", "anchor", "chosen", "normal", "silver"}, {1, 1, 2});
    EXPECT_EQ(std::pair(model.pointsOf(2), told), std::pair(std::optional<int>(), 4)) << "the check, two retyped words, the deal";
    EXPECT_FALSE(model.origin()) << "a new deal's origin is set by whoever dealt it";
}

TEST(GameModelTest, AShownBoardKeepsItsLettersButNotItsComputerScore)
{
    BoardState kept = *dealtBoard().board();
    kept.typed = {{0, 0, "G", Verdict::Word}};
    kept.computerScore = 1'000'000;
    kept.playerScore = 8;
    GameModel model = dealtBoard();
    const auto checkAndName = [&model] { model.applyCheck({true, true, true, true, true}, {1, 2, 3, 4, 5}, 15), model.setOrigin({5, 0}); };
    checkAndName(), model.show(kept);
    EXPECT_EQ(std::pair(model.pointsOf(4), model.origin().has_value()), std::pair(std::optional<int>(), false)) << "the last check's points and origin go";
    EXPECT_EQ(std::tuple(model.computerScore(), model.playerScore(), model.verdictAt({0, 0})), std::tuple(47, 8, Verdict::Word));
    checkAndName(), model.clear();
    EXPECT_EQ(std::tuple(model.letterAt({0, 0}), model.computerScore(), model.playerScore(), model.pointsOf(4), model.origin().has_value()),
              std::tuple(QString(), 0, 0, std::optional<int>(), false));
}

} // namespace

// The marks follow the slots in chain order; scores and the board's name, never a letter; a draw is nobody's win.
TEST(SharedResultTest, MarksFollowTheSlotsAndPracticeAndBestPossibleShowWhenSo)
{
    EXPECT_EQ(roundMargin(3, 3) + ", " + roundMargin(5, 3) + ", " + roundMargin(3, 5), "a draw, you won by 2, the computer won by 2");
    RoundOutcome outcome {QStringLiteral("Daily #12"), false, 31, 40, std::nullopt, {true, false, false, true, true}};
    EXPECT_EQ(shareableResult(outcome), QStringLiteral("Sixfold Daily #12\nMe 31 · computer 40\n✓ ✗ ✗ ✓ ✓  3/5 words\n"));
    outcome = {QStringLiteral("3STAD-KW9V7"), true, 0, 52, 77, {false, false, false, false, true}};
    EXPECT_EQ(shareableResult(outcome),
              QStringLiteral("Sixfold 3STAD-KW9V7 (practice)\nMe 0 · computer 52 · best possible 77\n✗ ✗ ✗ ✗ ✓  1/5 words\n"));
}
