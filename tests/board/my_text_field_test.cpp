// SPDX-License-Identifier: GPL-3.0-or-later
#include "cells/my_text_field.h"

#include "board/board_layout.h"
#include "support/board_fixtures.h"
#include "support/globals.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

// Keys as a player types them, one character a key: '<' Backspace, '>' Tab, '[' and ']' Tab
// pressed and released, '{' Shift+Tab pressed, 'L' 'R' 'U' 'D' the arrows, 'P' Ctrl+V.
void typeKeys(const QString& keys)
{
    const std::map<char32_t, std::tuple<QTest::KeyAction, Qt::Key, Qt::KeyboardModifier>> named {
        {U'<', {QTest::Click, Qt::Key_Backspace, Qt::NoModifier}}, {U'>', {QTest::Click, Qt::Key_Tab, Qt::NoModifier}},
        {U'[', {QTest::Press, Qt::Key_Tab, Qt::NoModifier}}, {U']', {QTest::Release, Qt::Key_Tab, Qt::NoModifier}},
        {U'{', {QTest::Press, Qt::Key_Backtab, Qt::ShiftModifier}}, {U'P', {QTest::Click, Qt::Key_V, Qt::ControlModifier}},
        {U'L', {QTest::Click, Qt::Key_Left, Qt::NoModifier}}, {U'R', {QTest::Click, Qt::Key_Right, Qt::NoModifier}},
        {U'U', {QTest::Click, Qt::Key_Up, Qt::NoModifier}}, {U'D', {QTest::Click, Qt::Key_Down, Qt::NoModifier}}};
    for (const char32_t key : keys.toUcs4()) {
        // Keys go where the focus is, as a keyboard's do.
        if (const auto it = named.find(key); it != named.end())
            QTest::sendKeyEvent(std::get<0>(it->second), static_cast<QWidget*>(nullptr), std::get<1>(it->second), QTest::keyToAscii(std::get<1>(it->second)), std::get<2>(it->second));
        else
            QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), Qt::Key_unknown, QString::fromUcs4(&key, 1), Qt::NoModifier);
        QCoreApplication::processEvents(); // the deferred select-all of a cell the focus reached
    }
}

// Lays the words out, puts the focus at (x, y) and types `keys`; returns the texts of row 0
// (or of the column through x) and the cell the focus ends in.
std::pair<QString, QPoint> typedOn(const PuzzleWords& words, int32_t x, int32_t y, const char* keys, bool column)
{
    resetCells();
    BoardWindow board;
    EXPECT_TRUE((board.window()->show(), QTest::qWaitForWindowActive(board.window())));
    layOutBoard(words, gWindow = board.window());
    fieldAt(x, y)->setFocus(), QCoreApplication::processEvents();
    typeKeys(QString::fromUtf8(keys));
    QString texts;
    for (int32_t k = 0; k < 6; ++k)
        texts += (column ? fieldAt(x, k) : fieldAt(k, 0))->text().leftJustified(1, u'.');
    std::pair<QString, QPoint> typed(texts, QPoint(-1, -1));
    for (int32_t k = 0; k < gGridSize * gGridSize; ++k) {
        if (gGrid[k / gGridSize][k % gGridSize].field.get() == QApplication::focusWidget())
            typed.second = QPoint(k / gGridSize, k % gGridSize);
    }
    resetCells();
    return typed;
}

// The worked example: GARDEN across row 0 with its fixed A at (1, 0), ANCHOR down column 1
// with its fixed H at (1, 3). Each row: where the focus starts, the keys, then the texts of
// row 0 (or of column 1) and where the focus ends.
TEST(CellTypingTest, KeysFillTheWordAndMoveTheFocusAlongIt)
{
    const struct { int32_t x, y; const char* keys; bool column; const char* texts; int32_t toX, toY; } rows[] = {
        {0, 0, "q", false, "QA....", 2, 0},       // upper-cased, on past the fixed cell
        {0, 0, "grdenx", false, "GARDEX", 5, 0},  // stops at the word's end
        {1, 1, "ncorz", true, "ANCHOZ", 1, 5},    // down a word, never turning the corner
        {1, 0, "n", true, "AN.H..", 1, 2},        // typed in a fixed cell: into the next cell
        {0, 0, "7?", false, "7A?...", 3, 0},      // digits and punctuation as typed
        {0, 0, "é𝐚", false, "ÉA𝐚...", 3, 0},      // outside ASCII: whole, upper-cased
        {0, 0, "P", false, "CA....", 2, 0},       // a paste keeps its last character
        {0, 0, "grL<", false, "GA....", 0, 0},    // Backspace empties and steps back
        {0, 0, "gr<", false, "GAR...", 3, 0},     // in an empty cell it does nothing
        {0, 0, "gL<", false, ".A....", 0, 0},     // at a word's start it stays
        {0, 0, "grLa", false, "GAA...", 3, 0},    // arriving selects the letter there
        {0, 0, "gL", false, "GA....", 0, 0},      // arrows move, leaving the letters
        {0, 0, "RDLLU", false, ".A....", 0, 0},   // over gaps, nothing further left
        {0, 0, "RDL", false, ".A....", 0, 3},
        {2, 0, "[", false, ".A....", 2, 0},       // Tab moves once it is released
        {2, 0, "[]>", false, ".A....", 4, 0},
        {5, 0, ">", false, ".A....", 5, 0},       // not past the word's last cell
        {3, 0, "{]", false, ".A....", 2, 3},      // Shift+Tab: the toolkit's move and no more
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    for (const auto& row : rows) {
        EXPECT_EQ(typedOn(workedExample(), row.x, row.y, row.keys, row.column),
                  std::pair(QString::fromUtf8(row.texts), QPoint(row.toX, row.toY))) << row.keys;
    }
}

// ORANGE begins with a vowel: its O at (0, 0) is fixed, shared with OFFICE down, and holds
// the focus when the round begins. The first keys must not be lost there.
TEST(CellTypingTest, KeysInTheFixedFirstCellGoOnAlongTheFirstWord)
{
    const PuzzleWords words = puzzleOf({"orange", "office", "island", "dinner", "silver"}, 0, 0, 5);
    const struct { const char* keys; const char* texts; int32_t toX, toY; } rows[] = {
        {"r", "OR....", 2, 0}, {"rang", "ORANG.", 5, 0}, {"[", "O.....", 0, 0}, {"[]", "O.....", 1, 0}, {"<", "O.....", 0, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(typedOn(words, 0, 0, row.keys, false), std::pair(QString::fromUtf8(row.texts), QPoint(row.toX, row.toY))) << row.keys;
    }
}

} // namespace
