// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/game_model.h"
#include "core/round/shared_result.h"
#include "core/board/word_score.h"

#include "support/layer_test.h"


namespace {

// Worked by hand from the rules: the alphabet is worth 87 in either case, so a change to any one letter's value shows; any other byte is worth one.
TEST(WordScoreTest, LettersScoreTheirValueInEitherCaseAndEveryOtherByteIsWorthOne)
{
    for (const auto& [word, score] : {std::pair("abcdefghijklmnopqrstuvwxyz", 87), {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 87}, {"", 0}, {"quizzy", 36},
                                      {"a-b 7", 7}, {"[`{@", 4}, {"\xc3\xa9", 2}})
        EXPECT_EQ(scoreWord(word), score) << "'" << word << "'";
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
    for (const auto& [word, points] : {std::pair(0, std::optional(9)), {1, 0}, {4, 0}, {kWordCount, std::nullopt}})
        EXPECT_EQ(model.pointsOf(word), points) << "word " << word << " after the check";
    const struct { BoardCell cell; Verdict verdict; } verdicts[] = {
        {{0, 0}, Verdict::Word}, {{1, 1}, Verdict::NotWord}, {{5, 4}, Verdict::Word}, {{8, 8}, Verdict::NotWord}, {{2, 0}, Verdict::Unchecked}};
    for (const auto& [cell, verdict] : verdicts)
        EXPECT_EQ(model.verdictAt(cell), verdict) << cell.x << ',' << cell.y;
    model.setLetter({0, 0}, "G"), model.setLetter({1, 1}, "");
    EXPECT_EQ(model.letterAt({0, 0}), "G");
    EXPECT_EQ(model.verdictAt({0, 0}), Verdict::Unchecked) << "a retyped letter keeps its verdict";
    EXPECT_EQ(model.letterAt({1, 1}), "");
    EXPECT_EQ(model.board()->typed.size(), 3u);
    for (const auto& [word, points] : {std::pair(0, std::optional<int>()), {1, std::nullopt}, {2, 4}})
        EXPECT_EQ(model.pointsOf(word), points) << "word " << word << " after words 0 and 1 were retyped";
    model.setOrigin({5, 0}), model.deal({"garden", "anchor", "chosen", "normal", "silver"}, {1, 1, 2});
    EXPECT_EQ(model.pointsOf(2), std::nullopt) << "a new deal keeps the old points";
    EXPECT_EQ(told, 4) << "the check, two retyped words, the deal";
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
    EXPECT_EQ(model.pointsOf(4), std::nullopt) << "the last check's points stay";
    EXPECT_FALSE(model.origin()) << "the last deal's origin stays";
    EXPECT_EQ(model.computerScore(), 47) << "the kept computer's score taken";
    EXPECT_EQ(model.playerScore(), 8);
    EXPECT_EQ(model.verdictAt({0, 0}), Verdict::Word);
    checkAndName(), model.clear();
    EXPECT_EQ(model.letterAt({0, 0}), QString()) << "after clear";
    EXPECT_EQ(model.computerScore(), 0) << "after clear";
    EXPECT_EQ(model.playerScore(), 0) << "after clear";
    EXPECT_EQ(model.pointsOf(4), std::nullopt) << "after clear";
    EXPECT_FALSE(model.origin()) << "after clear";
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
    outcome.hints = 2; // "1 hint": the app's test
    EXPECT_TRUE(shareableResult(outcome).endsWith(QStringLiteral("1/5 words · 2 hints\n")));
}
