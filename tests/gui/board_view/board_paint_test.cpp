// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/board_layout.h"
#include "gui/board_view/board_reading.h"

#include "support/board_fixtures.h"
#include "support/globals.h"

#include <QRegularExpression>

namespace {

using BoardPaintTest = GameTest;

// What a screen reader hears of each cell of the board but the points, which go with the check.
QStringList descriptions()
{
    QStringList told;
    for (const auto& column : gGrid) {
        for (const GridCell& cell : column)
            told << (cell.field ? cell.field->accessibleDescription().remove(QRegularExpression(R"(\.( Points: .*)?$)")) : QString());
    }
    return told;
}

// After a check the typed letters of input cells take their word's colour; fixed cells keep
// theirs; every input cell of a word is told its verdict, typed or empty, and the last cell the
// word's points. A board shown again is painted and told alike; a letter typed anew loses its verdict.
TEST_F(BoardPaintTest, ACheckedBoardAndTheSameBoardShownAgainArePaintedAndToldAlike)
{
    gBoardPalette = {Qt::blue, Qt::magenta};
    layOutBoard(workedExample(), nullptr);
    // Every word has a letter typed: a kept board keeps no verdict of a word left empty.
    for (const auto& [x, y, letter] : {std::tuple(0, 0, "G"), {2, 0, "R"}, {3, 0, "D"}, {4, 0, "E"}, {5, 0, "N"}, {1, 1, "X"}, {4, 3, "E"}, {5, 5, "R"}, {4, 8, "I"}})
        fieldAt(x, y)->setText(letter);
    gameModel().applyCheck({true, false, false, false, false}, {8, 0, 0, 0, 0}, 8);
    // A cell's letter colour, and whether it is struck through.
    const auto look = [](int32_t x, int32_t y) { return textColor(fieldAt(x, y)).name() + (fieldAt(x, y)->font().strikeOut() ? " struck" : ""); };
    EXPECT_EQ(look(0, 0), "#0000ff") << "a word's letter";
    EXPECT_EQ(look(1, 1), "#ff00ff struck") << "a non-word's letter";
    EXPECT_EQ(look(1, 0), kFixedTextColour.name()) << "a fixed letter";
    EXPECT_EQ(fieldAt(3, 0)->accessibleDescription(), "Row 1, column 4. Checked: part of a word.");
    EXPECT_EQ(fieldAt(1, 2)->accessibleDescription(), "Row 3, column 2. Checked: not part of a word.");
    EXPECT_EQ(fieldAt(5, 0)->accessibleDescription(), "Row 1, column 6. Checked: part of a word. Points: 8 for 1 across.");
    const auto numberInked = [](int32_t x, int32_t y) { // a word's number, in the top left corner in the typed letters' colour
        const QImage cell = fieldAt(x, y)->grab().toImage();
        for (int py = 0; py < cell.height() / 4; ++py) {
            for (int px = 0; px < cell.width() / 2; ++px)
                if (const QColor ink = cell.pixelColor(px, py), text = gBoardPalette.inputText; // allowing for smoothing
                    std::abs(ink.red() - text.red()) + std::abs(ink.green() - text.green()) + std::abs(ink.blue() - text.blue()) < 96)
                    return true;
        }
        return false;
    };
    EXPECT_TRUE(numberInked(0, 0)) << "word 1's first cell, whatever the verdict's colour";
    EXPECT_FALSE(numberInked(2, 0));
    const QStringList checked = descriptions();

    const BoardState kept = *gameModel().board();
    layOutBoard(puzzleOf({"orange", "office", "island", "dinner", "silver"}, 0, 0, 5), nullptr);
    showBoard(kept, nullptr, nullptr, nullptr);
    EXPECT_EQ(descriptions(), checked);
    EXPECT_EQ(look(1, 1), "#ff00ff struck") << "a non-word's letter shown again";

    fieldAt(1, 2)->clear();
    EXPECT_EQ(fieldAt(1, 2)->accessibleName(), "blank") << "renamed as its letter goes";
    fieldAt(1, 1)->setText("N");
    EXPECT_EQ(look(1, 1), kInputTextColour.name()) << "a letter typed anew";
    EXPECT_EQ(fieldAt(1, 1)->accessibleDescription(), "Row 2, column 2.");
}

} // namespace
