#include "scoring/puzzle_check.h"

#include "board/board_layout.h"
#include "cells/cell_look.h"
#include "support/board_fixtures.h"
#include "support/globals.h"

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

using PuzzleCheckTest = GameTest;

TEST_F(PuzzleCheckTest, BoardIsReadDownBeforeAcrossAndOnlyTypedLettersAreColoured)
{
    layOutBoard(puzzleOf({"alpaca", "alpaca", "alpaca", "alpaca", "alpaca"}, 0, 0, 0), nullptr);
    for (int32_t x = 1; x < 6; ++x)
        fieldAt(x, 0)->setText(QString(QChar(u"ALPACA"[x])));
    fieldAt(1, 3)->setText(QStringLiteral("X"));
    int32_t total = 0;
    EXPECT_EQ(printedBy([&] { total = checkBoardWords(); }),
              "'A' is not a word.\n'ALPACA' is a word.\n   New best word!\n'AX' is not a word.\n"
              "'A' is not a word.\n'A' is not a word.\n");
    EXPECT_EQ(total, 10);
    EXPECT_EQ(textColor(fieldAt(1, 0)), kValidWordColour);
    EXPECT_EQ(textColor(fieldAt(1, 3)), kInvalidWordColour);
    EXPECT_EQ(textColor(fieldAt(0, 0)), kFixedTextColour);
    EXPECT_EQ(textColor(fieldAt(2, 3)), kInputTextColour);
}

} // namespace
