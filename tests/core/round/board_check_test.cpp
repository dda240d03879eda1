// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/board_check.h"
#include "core/round/game_model.h"
#include "core/round/round_history.h"
#include "core/round/round_submission.h"

#include "support/core_resets.h"
#include "support/printed.h"

#include <QDateTime>

namespace {

using BoardCheckTest = RoundTest;

// Types `letters` into the blank cells of `word` of the game model's board, one character a
// cell ('.' leaves a cell empty); a fixed cell keeps its letter whatever stands there.
void type(int word, const char* letters)
{
    const Placement place = gameModel().board()->words[word].place;
    int k = 0;
    for (const char32_t c : QString::fromUtf8(letters).toUcs4())
        gameModel().setLetter(place.cell(k++), c == U'.' ? QString() : QString::fromUcs4(&c, 1));
}

// The worked example's words are checked in the order of their first cells:
// garden (0, 0), chosen (0, 3), anchor (1, 0), silver (3, 8), normal (5, 3).

// Word 0 is typed as each row says, but for its second cell, the fixed letter, which shows
// the row's character there. Only word 0 can be a word, and it is judged first.
TEST_F(BoardCheckTest, AWordIsTheDictionarysWholeTextOfSixAsciiCharactersAndIsShownWhole)
{
    const struct { const char* typed; int score = 0; const char* shown = nullptr; } cases[] = {
        {"GARDEN", 8}, {"gArden", 8}, {"E-MAIL", 8}, {"U-TURN", 6}, {"YO-YOS", 12}, {"X-RAYS", 16}, {"DIDN'T", 8}, {"ICE AX", 15}, {" HOUSE"}, {"HOUSE "},
        {"AA-QZQ"}, {"CAT-XY"}, {"EGG XY"}, {"OX-CAT"}, {"EGG-AB"}, {"OX-BED"}, {"--BEST"}, {"-BESTS"}, {"--TEST"}, {"-ENDED"}, {"--EELS"}, {"----ES"},
        {"-----S"}, {"4BACUS"}, {"DIDN’T"}, {"\U0001D400ARDEN"}, {"QZXVBN"}, {"GARDE.", 0, "GARDE"}, {"GAR.EN", 0, "GAR"},
    };
    gCurrStats.bestWordScore = 99; // no best word beaten, so one line for each word
    for (const auto& row : cases) {
        const char32_t fixed = QString::fromUtf8(row.typed).toUcs4()[1];
        gameModel().deal({"x" + QString::fromUcs4(&fixed, 1) + "xxxx", "anchor", "chosen", "normal", "silver"}, {1, 1, 2});
        type(0, row.typed);
        CheckedBoard checked;
        const std::string printed = printedBy([&] { checked = checkBoard(gameModel()); });
        EXPECT_EQ(printed.substr(0, printed.find('\n') + 1), "'" + std::string(row.shown ? row.shown : row.typed) + (row.score ? "' is a word.\n" : "' is not a word.\n"));
        EXPECT_EQ(checked.isWord[0], row.score > 0) << row.typed;
        EXPECT_EQ(checked.points[0], row.score) << row.typed;
        EXPECT_EQ(gPuzzleStats.roundScore, row.score) << row.typed << ": the round's score";
    }
}

// The words are judged by their first cells, column by column, and counted in that order; the
// model takes the verdicts by word, and the history the letters as the player left them.
TEST_F(BoardCheckTest, WordsAreJudgedByTheirFirstCellsAndRaiseTheBestsOnlyWhenBeaten)
{
    gCurrStats = {.bestWord = "SILVER", .bestWordScore = 9, .bestRoundScore = 35};
    dealWorkedExample();
    type(0, "G.RDEN"), type(1, ".NC.\U00010400R"), type(2, "CHOSEN"), type(3, "NORMAL"), type(4, "SILVER");
    CheckedBoard checked;
    std::string heard;
    EXPECT_EQ(printedBy([&] { heard = heardFrom([&] { checked = checkBoard(gameModel()); }); }), "'GARDEN' is a word.\n'CHOSEN' is a word.\n   New best word!\n'ANCH\U00010400R' is not a word.\n"
                                                                  "'SILVER' is a word.\n'NORMAL' is a word.\nNew best round score!\n");
    EXPECT_EQ(heard, "New best word: chosen!\nNew best round score: 36!\n") << "the news the console gives, beside it for a listener";
    EXPECT_EQ(std::vector<int32_t>(std::begin(gPuzzleStats.wordScores), std::end(gPuzzleStats.wordScores)), (std::vector<int32_t> {8, 11, 9, 8, 0}));
    EXPECT_EQ(gPuzzleStats.wordsMade, 4);
    EXPECT_EQ(gPuzzleStats.roundScore, 36);
    EXPECT_EQ(checked.points, (std::array {8, 0, 11, 8, 9})) << "in chain order";
    EXPECT_EQ(std::string(gCurrStats.bestWord), "CHOSEN");
    EXPECT_EQ(gameModel().playerScore(), 36) << "the model not given the round's score";
    EXPECT_EQ(gameModel().verdictAt({1, 4}), Verdict::NotWord) << "the model not given the verdicts by word";
    const RoundRecord round = roundRecordOf("ada", QDateTime(), gameModel());
    EXPECT_EQ(round.wordSlots[1].letters, "ANCH\U00010400R") << "with the fixed letters, a character beyond the BMP whole";
    EXPECT_FALSE(round.wordSlots[1].isWord) << "the history's slots in another order than the board's words";
    EXPECT_EQ(round.wordSlots[2].score, 11) << "the history's slots in another order than the board's words";
    EXPECT_EQ(round.roundScore, 36);
    EXPECT_EQ(round.wordsMade, 4);

    gameModel().setLetter({1, 4}, "");
    EXPECT_EQ(printedBy([] { checkBoard(gameModel()); }), "'GARDEN' is a word.\n'CHOSEN' is a word.\n'ANCH' is not a word.\n'SILVER' is a word.\n"
                                                          "'NORMAL' is a word.\n") << "a best equalled is no new best";
}

// Orange and office both start at (0, 0): the down word is judged first, and a best it sets
// is its own.
TEST_F(BoardCheckTest, WhereTwoWordsShareTheFirstCellTheDownWordIsJudgedFirst)
{
    gameModel().deal({"orange", "office", "island", "dinner", "silver"}, {0, 0, 5});
    type(0, ".RANGE"), type(1, ".FFICE");
    CheckedBoard checked;
    const std::string printed = printedBy([&] { checked = checkBoard(gameModel()); });
    EXPECT_EQ(printed.substr(0, printed.find("'I")), "'OFFICE' is a word.\n   New best word!\n'ORANGE' is a word.\n");
    EXPECT_STREQ(gCurrStats.bestWord, "OFFICE") << "the best word not the down word's";
    EXPECT_EQ(gPuzzleStats.wordScores[0], 14) << "the first score counted not the down word's";
    EXPECT_EQ(checked.points[0], 7) << "the points of word 0 (across) not its own";
}

TEST_F(BoardCheckTest, ComputerWordsShowTheTopTenRowsOfTheBoardTwentyWide)
{
    dealWorkedExample();
    const std::string rows[] = {"garden", " n", " c", "chosen", " o   o", " r   r", "     m", "     a", "   silver", ""};
    std::string listed = "Computer Words for Previous Puzzle: \n";
    for (const std::string& row : rows)
        listed += "  " + row + std::string(20 - row.size(), ' ') + "\n";
    EXPECT_EQ(printedBy(displayComputerWords), listed);
    EXPECT_EQ(computerWordsSentence(*gameModel().board()).toStdString(),
              "The computer's words: 1 across, garden; 2 down, anchor; 3 across, chosen; 4 down, normal; 5 across, silver.")
        << "as words in the board's order, not the picture";
}

} // namespace
