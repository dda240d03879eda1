// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/look/board_palette.h"

#include <gtest/gtest.h>

TEST(ContrastTest, RatiosMatchTheWcagFigures)
{
    const struct { QColor a, b; double ratio; } cases[] = {
        {QColor(0x76, 0x76, 0x76), Qt::white, 4.54}, // the darkest grey that passes on white
        {QColor(0x0a, 0x0a, 0x0a), Qt::black, 1.06}, // below the linear knee of sRGB
    };
    for (const auto& row : cases)
        EXPECT_NEAR(contrastRatio(row.a, row.b), row.ratio, 0.01) << row.a.name().toStdString();
}

TEST(BoardPaletteTest, SafeAndDarkPalettesKeepTheirLettersReadable)
{
    for (const auto& [colours, dark] : {std::pair(WordColours::ColourBlindSafe, false), std::pair(WordColours::Standard, true),
                                        std::pair(WordColours::ColourBlindSafe, true)}) {
        const BoardPalette palette = boardPalette(colours, dark);
        for (const QColor& letter : {palette.word, palette.nonWord, palette.inputText, palette.fixedText})
            EXPECT_GE(contrastRatio(letter, palette.cell), 4.5) << letter.name().toStdString() << " dark " << dark;
        EXPECT_GE(contrastRatio(palette.inputText, palette.panel), 4.5) << "a word's points on the panel, dark " << dark;
    }
}
