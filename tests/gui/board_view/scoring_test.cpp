// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/puzzle_check.h"
#include "gui/board_view/round_submission.h"

#include "support/globals.h"
#include "support/printed.h"

// One cell per character; '.' is an empty cell.
static SlotSnapshot slotOf(const char* typed, int32_t length = gWordSize, int32_t y = 0)
{
    SlotSnapshot slot;
    slot.y = y, slot.length = length;
    int k = 0;
    for (const char32_t c : QString::fromUtf8(typed).toUcs4())
        slot.hasField[k] = true, slot.cells[k++] = c == U'.' ? QString() : QString::fromUcs4(&c, 1);
    return slot;
}

TEST_F(GameTest, SlotIsAWordWhenTheDictionaryTakesItsWholeTextOfSixAsciiCharactersAndIsShownWhole)
{
    const struct { const char* typed; int32_t score = 0; const char* shown = nullptr; int32_t length = gWordSize; } cases[] = {
        {"GARDEN", 8}, {"garden", 8}, {"E-MAIL", 8}, {"U-TURN", 6}, {"YO-YOS", 12}, {"X-RAYS", 16}, {"DIDN'T", 8}, {"ICE AX", 15}, {" HOUSE"}, {"HOUSE "},
        {"AA-QZQ"}, {"CAT-XY"}, {"EGG XY"}, {"OX-CAT"}, {"EGG-AB"}, {"OX-BED"}, {"--BEST"}, {"-BESTS"}, {"--TEST"}, {"-ENDED"}, {"--EELS"}, {"----ES"},
        {"-----S"}, {"4BACUS"}, {"DIDN’T"}, {"\U0001D400ARDEN"}, {"QZXVBN"}, {"GARDE"}, {"GAR.EN", 0, "GAR"}, {"GARDEN", 0, "GARDE", 5},
    };
    GridCell& edge = gGrid[gGridSize - 3][0]; // a word running off the board's edge is read no further
    edge.wordStart = 1, edge.wordLength = gWordSize, edge.direction = DirAcross;
    EXPECT_EQ(readBoardSnapshot().at(0).length, gWordSize);
    gCurrStats.bestWordScore = 99; // no best word beaten, so one line for each slot
    for (const auto& row : cases) {
        std::vector<SlotVerdict> v;
        const std::string printed = printedBy([&] { v = judgeBoard({slotOf(row.typed, row.length)}); });
        EXPECT_EQ(std::tuple(printed, v.at(0).isWord, v.at(0).score, gPuzzleStats.roundScore), std::tuple("'" + std::string(row.shown ? row.shown : row.typed)
                  + (row.score ? "' is a word.\n" : "' is not a word.\n"), row.score > 0, row.score, row.score));
    }
}

TEST_F(GameTest, WordsAreCountedInOrderAndRaiseTheBestsOnlyWhenBeaten)
{
    gCurrStats = {.bestWord = "SILVER", .bestWordScore = 9, .bestRoundScore = 49};
    const BoardSnapshot board {slotOf("GARDEN"), slotOf("GARDE."), slotOf("SILVER"), slotOf("JOCKEY"), slotOf("ALPACA")};
    std::vector<SlotVerdict> verdicts;
    EXPECT_EQ(printedBy([&] { verdicts = judgeBoard(board); }), "'GARDEN' is a word.\n'GARDE' is not a word.\n'SILVER' is a word.\n"
                                                              "'JOCKEY' is a word.\n   New best word!\n'ALPACA' is a word.\n");
    EXPECT_EQ(std::vector<int32_t>(std::begin(gPuzzleStats.wordScores), std::end(gPuzzleStats.wordScores)), (std::vector<int32_t> {8, 9, 22, 10, 0}));
    EXPECT_EQ(std::tuple(gPuzzleStats.wordsMade, gPuzzleStats.roundScore, verdicts[3].score, verdicts[1].score, std::string(gCurrStats.bestWord),
                         gCurrStats.bestWordScore), std::tuple(4, 49, 22, 0, "JOCKEY", 22));
    std::string bests;
    for (const int32_t score : {49, 48, 50})
        bests += printedBy([score] { recordRoundScore(score); });
    EXPECT_EQ(std::pair(bests, gCurrStats.bestRoundScore), std::pair(std::string("New best round score!\n"), 50));
}

TEST_F(GameTest, OnlyTypedLettersOfInputCellsAreColouredAndEveryInputCellIsDescribed)
{
    for (int32_t x = 0; x < 4; ++x) // x 1 is a fixed cell, x 2 an empty input cell
        gGrid[x][19].field.reset(new myTextField), gGrid[x][19].field->setText(x == 2 ? "" : "A"), gGrid[x][19].editable = x != 1;
    SlotSnapshot slot = slotOf("AA.A..", gWordSize, 19);
    colourBoard({slot, slot}, {{true, 8}});
    const auto look = [](int32_t x) { return std::tuple(textColor(gGrid[x][19].field.get()), gGrid[x][19].field->accessibleDescription()); };
    EXPECT_EQ(look(0), std::tuple(kValidWordColour, QStringLiteral("Checked: part of a word")));
    EXPECT_EQ(std::tuple(look(1), look(2)), std::tuple(std::tuple(QColor(kInputTextColour), QString()), // fixed: untouched
                                                       std::tuple(QColor(kInputTextColour), QStringLiteral("Checked: part of a word"))));
    slot.direction = DirDown;
    colourBoard({slot, slot}, {{true, 8}, {}}); // the last verdict of a cell wins
    EXPECT_EQ(look(0), std::tuple(kInvalidWordColour, QStringLiteral("Checked: not part of a word")));
}

TEST_F(GameTest, ComputerWordsShowTheTopTenRowsTwentyWide)
{
    gGrid[0][0].solutionLetter = 'g', gGrid[19][9].solutionLetter = 'z', gGrid[3][10].solutionLetter = 'x'; // x: below the listed rows
    const QString blank(19, u' ');
    EXPECT_EQ(QString::fromStdString(printedBy(displayComputerWords)),
              "Computer Words for Previous Puzzle: \n  g" + blank + "\n" + ("   " + blank + "\n").repeated(8) + "  " + blank + "z\n");
}
