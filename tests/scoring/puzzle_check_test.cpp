#include "scoring/puzzle_check.h"

#include "cells/cell_look.h"
#include "cells/my_text_field.h"
#include "stats/user_stats.h"
#include "support/board_fixtures.h"
#include "support/globals.h"

#include <QStringList>

#include <string>

namespace {

// Runs `action` and returns what it wrote to standard output.
template <typename Action>
std::string printedBy(Action action)
{
    testing::internal::CaptureStdout();
    action();
    return testing::internal::GetCapturedStdout();
}

// A slot as typed: one cell per entry, "" an empty cell.
SlotSnapshot slotOf(const QStringList& cells)
{
    SlotSnapshot slot;
    slot.length = gWordSize;
    for (int k = 0; k < gWordSize && k < cells.size(); ++k) {
        slot.cells[k] = cells[k];
        slot.hasField[k] = true;
    }
    return slot;
}

// One cell per character; '.' is an empty cell.
SlotSnapshot slotOf(const char* typed)
{
    QStringList cells;
    for (const char32_t c : QString::fromUtf8(typed).toUcs4())
        cells << (c == U'.' ? QString() : QString::fromUcs4(&c, 1));
    return slotOf(cells);
}

using PuzzleCheckTest = GameTest;

TEST_F(PuzzleCheckTest, SlotIsAWordOnlyWhenSixLettersSpellOneWholeWord)
{
    const struct {
        SlotSnapshot slot;
        const char* message;
    } cases[] = {
        {slotOf("GARDEN"), "'GARDEN' is a word.\n"},
        {slotOf({"G", "A", "RXY", "D", "E", "N"}), "'GARDEN' is a word.\n"}, // a cell's first letter
        {slotOf("AA-QZQ"), "'AA-QZQ' is not a word.\n"}, // once scored as "aa"
        {slotOf("CAT XY"), "'CAT XY' is not a word.\n"},
        {slotOf("ICE AX"), "'ICE AX' is not a word.\n"}, // a term, but a space is no letter
        {slotOf("4BACUS"), "'4BACUS' is not a word.\n"},
        {slotOf("ÉARDEN"), "'ÉARDEN' is not a word.\n"}, // once half a character on the console
        {slotOf("GARDÉN"), "'GARDÉN' is not a word.\n"},
        {slotOf("\U0001D400ARDEN"), "'\U0001D400ARDEN' is not a word.\n"},
        {slotOf("GAR.EN"), "'GAR' is not a word.\n"},
        {slotOf("QZXVBN"), "'QZXVBN' is not a word.\n"},
        {slotOf({"G", "A", "R", "D", "E"}), "'GARDE' is not a word.\n"}, // a position without a field
    };
    for (const auto& row : cases) {
        gPuzzleStats = {};
        std::vector<SlotVerdict> verdicts;
        EXPECT_EQ(printedBy([&] { verdicts = judgeBoard({row.slot}); }).substr(0, std::strlen(row.message)),
                  row.message);
        const bool expected = std::string(row.message).ends_with("is a word.\n");
        ASSERT_EQ(verdicts.size(), 1u);
        EXPECT_EQ(verdicts[0].isWord, expected) << row.message;
        EXPECT_EQ(gPuzzleStats.wordsMade, expected ? 1 : 0) << row.message;
    }
}

TEST_F(PuzzleCheckTest, WordsAreCountedInOrderAndRaiseTheBestsOnlyWhenBeaten)
{
    gCurrStats.bestWordScore = 9;
    std::strcpy(gCurrStats.bestWord, "SILVER");
    const BoardSnapshot board {slotOf("GARDEN"), slotOf("GARDE."), slotOf("SILVER"), slotOf("JOCKEY"),
                               slotOf("ALPACA")};
    std::vector<SlotVerdict> verdicts;
    EXPECT_EQ(printedBy([&] { verdicts = judgeBoard(board); }),
              "'GARDEN' is a word.\n'GARDE' is not a word.\n'SILVER' is a word.\n"
              "'JOCKEY' is a word.\n   New best word!\n'ALPACA' is a word.\n");
    EXPECT_EQ(gPuzzleStats.wordsMade, 4);
    EXPECT_EQ(std::vector<int32_t>(std::begin(gPuzzleStats.wordScores), std::end(gPuzzleStats.wordScores)),
              (std::vector<int32_t> {8, 9, 22, 10, 0}));
    EXPECT_EQ(gPuzzleStats.roundScore, 49);
    EXPECT_EQ(verdicts[3].score, 22);
    EXPECT_STREQ(gCurrStats.bestWord, "JOCKEY");
    EXPECT_EQ(gCurrStats.bestWordScore, 22);

    EXPECT_EQ(printedBy([] { recordRoundScore(49); }), "New best round score!\n");
    EXPECT_EQ(printedBy([] { recordRoundScore(49); }), "");
    EXPECT_EQ(gCurrStats.bestRoundScore, 49);
}

} // namespace
