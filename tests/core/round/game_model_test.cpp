// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/game_model.h"
#include "core/round/shared_result.h"
#include "core/round/slot_words.h"
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


// A word typed whole goes into the slot's blank cells as capitals, or is refused, saying why, and goes nowhere.
TEST(SlotWordsTest, AWordFillsItsSlotsBlankCellsOrIsRefusedWithTheReason)
{
    const GameModel model = dealtBoard();
    const struct { int slot; const char* typed; const char* refusal; } rows[] = {
        {0, " Garden ", ""}, {3, "NORMAL", ""},
        {0, "gorden", "GORDEN does not fit: the 2nd letter is given as A."},
        {1, "bnchor", "BNCHOR does not fit: the 1st letter is given as A."},
        {3, "normax", "NORMAX does not fit: the 6th letter is given as L."},
        {2, "chose", "CHOSE does not fit: 3 across has 6 letters, not 5."},
        {2, "chosens", "CHOSENS does not fit: 3 across has 6 letters, not 7."},
        {2, "ch0sen", "CH0SEN does not fit: a word is letters from A to Z only."},
        {2, "chos n", "CHOS N does not fit: a word is letters from A to Z only."},
        {2, "  ", "Type a word of 6 letters for 3 across."},
        {5, "silver", "There is no board to type a word into."},
    };
    for (const auto& [slot, typed, refusal] : rows) {
        const SlotFill fill = fillSlot(model, slot, QString::fromUtf8(typed));
        EXPECT_EQ(fill.refusal, refusal) << typed;
        EXPECT_EQ(fill.letters.size(), fill.refusal.isEmpty() ? (slot == 0 ? 5u : 4u) : 0u) << typed;
    }
    const SlotFill down = fillSlot(model, 3, "normal");
    const std::vector<std::pair<BoardCell, QString>> letters {{{5, 4}, "O"}, {{5, 5}, "R"}, {{5, 6}, "M"}, {{5, 7}, "A"}};
    EXPECT_EQ(down.letters, letters) << "a down slot's blank cells, top to bottom, the given N and L left out";
}

// Each slot reads its letters as the board holds them, its given letters, and then the last check's verdict until a letter changes.
TEST(SlotWordsTest, ASlotReadsItsLettersGivenLettersAndVerdict)
{
    GameModel model = dealtBoard();
    int told = 0;
    model.setSlotsListener([&told] { ++told; });
    model.setLetter({0, 0}, "G"), model.setLetter({5, 0}, "N"), model.setLetter({1, 1}, "N");
    const auto readings = [&model] {
        QStringList all;
        for (int slot = 0; slot <= kWordCount; ++slot)
            all << slotReading(model, slot);
        return all;
    };
    EXPECT_EQ(readings(), QStringList({"1 across: G A blank blank blank N, given A", "2 down: A N blank H blank blank, given A and H",
                                       "3 across: blank H blank blank blank N, given H and N", "4 down: N blank blank blank blank L, given N and L",
                                       "5 across: blank blank L blank blank blank, given L", ""}));
    model.applyCheck({true, false, false, false, false}, {8, 0, 0, 0, 0}, 8);
    EXPECT_EQ(readings().mid(0, 2), QStringList({"1 across: G A blank blank blank N, given A; a word, 8 points",
                                                 "2 down: A N blank H blank blank, given A and H; not a word"}));
    model.setLetter({2, 0}, "R");
    EXPECT_EQ(slotReading(model, 0), "1 across: G A R blank blank N, given A") << "a changed letter loses the verdict";
    model.clear();
    EXPECT_EQ(told, 6) << "three letters, the check, the fourth letter, the clear";
}

} // namespace

// The marks follow the slots in chain order; scores and the board's name, never a letter; a draw is nobody's win.
TEST(SharedResultTest, MarksFollowTheSlotsAndPracticeAndBestPossibleShowWhenSo)
{
    EXPECT_EQ(roundMargin(3, 3) + ", " + roundMargin(5, 3) + ", " + roundMargin(3, 5), "a draw, you won by 2, the computer won by 2");
    EXPECT_EQ(roundSummary(47, 17), "Round over: your score 47, the computer's 17, you won by 30.");
    EXPECT_EQ(roundSummary(20, 20), "Round over: your score 20, the computer's 20, a draw.");
    RoundOutcome outcome {QStringLiteral("Daily #12"), false, 31, 40, std::nullopt, {true, false, false, true, true}};
    EXPECT_EQ(shareableResult(outcome), QStringLiteral("Sixfold Daily #12\nMe 31 · computer 40\n✓ ✗ ✗ ✓ ✓  3/5 words\n"));
    outcome = {QStringLiteral("3STAD-KW9V7"), true, 0, 52, 77, {false, false, false, false, true}};
    EXPECT_EQ(shareableResult(outcome),
              QStringLiteral("Sixfold 3STAD-KW9V7 (practice)\nMe 0 · computer 52 · best possible 77\n✗ ✗ ✗ ✗ ✓  1/5 words\n"));
    outcome.hints = 2; // "1 hint": the app's test
    EXPECT_TRUE(shareableResult(outcome).endsWith(QStringLiteral("1/5 words · 2 hints\n")));
}
