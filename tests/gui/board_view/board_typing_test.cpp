// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/board_layout.h"
#include "gui/board_view/word_view.h"
#include "core/round/game_model.h"

#include "support/board_fixtures.h"
#include "support/globals.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QClipboard>
#include <QTest>

namespace {

// Keys as a player types them, one character a key: '<' Backspace, '>' Tab, '[' and ']' Tab
// pressed and released, '{' Shift+Tab pressed, 'L' 'R' 'U' 'D' the arrows, 'S' Shift+Right, 'P' Ctrl+V.
void typeKeys(const QString& keys)
{
    const std::map<char32_t, std::tuple<QTest::KeyAction, Qt::Key, Qt::KeyboardModifier>> named {
        {U'<', {QTest::Click, Qt::Key_Backspace, Qt::NoModifier}}, {U'>', {QTest::Click, Qt::Key_Tab, Qt::NoModifier}},
        {U'[', {QTest::Press, Qt::Key_Tab, Qt::NoModifier}}, {U']', {QTest::Release, Qt::Key_Tab, Qt::NoModifier}},
        {U'{', {QTest::Press, Qt::Key_Backtab, Qt::ShiftModifier}}, {U'P', {QTest::Click, Qt::Key_V, Qt::ControlModifier}},
        {U'L', {QTest::Click, Qt::Key_Left, Qt::NoModifier}}, {U'R', {QTest::Click, Qt::Key_Right, Qt::NoModifier}},
        {U'U', {QTest::Click, Qt::Key_Up, Qt::NoModifier}}, {U'D', {QTest::Click, Qt::Key_Down, Qt::NoModifier}},
        {U'S', {QTest::Click, Qt::Key_Right, Qt::ShiftModifier}}};
    for (const char32_t key : keys.toUcs4()) {
        // Keys go where the focus is, as a keyboard's do.
        if (const auto it = named.find(key); it != named.end())
            QTest::keyEvent(std::get<0>(it->second), static_cast<QWidget*>(nullptr), std::get<1>(it->second), std::get<2>(it->second));
        else
            QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), Qt::Key_unknown, QString::fromUcs4(&key, 1), Qt::NoModifier);
        QCoreApplication::processEvents(); // the deferred select-all of a cell the focus reached
    }
}

// Typing on a board as laid out, whose cells' ways, fixed crossings and field order steer the focus.
// GARDEN across row 0 with its fixed A at (1, 0), ANCHOR down column 1 with its fixed H at (1, 3). ORANGE begins
// with a vowel: its O at (0, 0) is fixed, shared with OFFICE down, and holds the focus as a round begins. Each row:
// the board, where the focus starts, the keys, then the texts of row 0 (or of the column) and where the focus ends.
TEST(BoardTypingTest, KeysFillTheWordAndMoveTheFocusAlongIt)
{
    const PuzzleWords garden = workedExample(), orange = puzzleOf({"orange", "office", "island", "dinner", "silver"}, 0, 0, 5);
    const struct { const PuzzleWords& words; int32_t x, y; const char* keys; bool column; const char* texts; int32_t toX, toY; } rows[] = {
        {garden, 0, 0, "q", false, "QA....", 2, 0},       // upper-cased, on past the fixed cell
        {garden, 0, 0, "grdenx", false, "GARDEX", 5, 0},  // stops at the word's end
        {garden, 1, 1, "ncorz", true, "ANCHOZ", 1, 5},    // down a word, never turning the corner
        {garden, 0, 0, "7?", false, "7A?...", 3, 0},      // digits and punctuation as typed
        {garden, 0, 0, "é𝐚", false, "ÉA𝐚...", 3, 0},      // outside ASCII: whole, upper-cased
        {garden, 0, 0, "P", false, "CA....", 2, 0},       // a paste keeps its last character
        {garden, 0, 0, "grL<", false, "GA....", 0, 0},    // Backspace empties and steps back
        {garden, 0, 0, "gr<", false, "GAR...", 3, 0},     // in an empty cell it does nothing
        {garden, 0, 0, "gL<", false, ".A....", 0, 0},     // at a word's start it stays
        {garden, 0, 0, "grLa", false, "GAA...", 3, 0},    // arriving selects the letter there
        {garden, 0, 0, "gLR", false, "GA....", 2, 0},     // arrows move, leaving the letters
        {garden, 0, 0, "RDLLU", false, ".A....", 0, 0},   // over gaps, nothing further left
        {garden, 0, 0, "gLS", false, "GA....", 0, 0},     // Shift+arrow selects in the cell
        {garden, 0, 0, "RDL", false, ".A....", 0, 3},
        {garden, 2, 0, "[", false, ".A....", 2, 0},       // Tab moves once it is released
        {garden, 2, 0, "[]]>", false, ".A....", 4, 0},    // once for each press
        {garden, 5, 0, ">", false, ".A....", 5, 0},       // not past the word's last cell
        {garden, 3, 0, "{]", false, ".A....", 2, 3},      // Shift+Tab: the toolkit's move and no more
        {garden, 1, 1, "nU{]x", true, "AX.H..", 1, 2},    // typed in a fixed cell: over the next one's letter
        {orange, 0, 0, "rang", false, "ORANG.", 5, 0},    // the first keys of a round are not lost
        {orange, 0, 0, "[]", false, "O.....", 1, 0},
        {orange, 0, 0, "P", false, "O.....", 0, 0},       // a shortcut is no letter to pass on
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    for (const auto& row : rows) {
        resetCells();
        BoardWindow board;
        board.window()->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(board.window()));
        layOutBoard(row.words, gWindow = board.window());
        fieldAt(row.x, row.y)->setFocus(), QCoreApplication::processEvents();
        typeKeys(QString::fromUtf8(row.keys));
        QString texts;
        for (int32_t k = 0; k < 6; ++k)
            texts += (row.column ? fieldAt(row.x, k) : fieldAt(k, 0))->text().leftJustified(1, u'.');
        const auto selectedUnfocused = [](const QLineEdit* cell) { return cell->hasSelectedText() && !cell->hasFocus(); };
        const auto leftSelected = std::ranges::count_if(board.window()->findChildren<QLineEdit*>(), selectedUnfocused);
        EXPECT_EQ(texts, QString::fromUtf8(row.texts)) << "keys " << row.keys;
        EXPECT_EQ(QApplication::focusWidget(), fieldAt(row.toX, row.toY)) << "keys " << row.keys << ": the focus not at " << row.toX << ',' << row.toY;
        EXPECT_EQ(leftSelected, 0) << "keys " << row.keys << ": a cell left behind selected";
    }
    resetCells();
}

// The word list and the board follow each other: a word typed whole goes into the slot's blank cells as if typed there, one that does
// not fit changes nothing and says why, a letter typed on the board reads in its row; the window's shortcuts work from the list, and
// Escape goes back to the board on the first cell of the slot last in hand.
TEST(BoardTypingTest, AWordTypedInTheWordListFillsTheBoardAndTheBoardFillsTheList)
{
    resetCells();
    BoardWindow board;
    int checks = 0;
    auto* check = new QAction(board.window());
    check->setShortcut(Qt::CTRL | Qt::Key_K);
    QObject::connect(check, &QAction::triggered, [&checks] { ++checks; });
    board.window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(board.window()));
    layOutBoard(workedExample(), gWindow = board.window());
    auto* view = new WordView(board.window(), {check});
    view->present();
    ASSERT_TRUE(QTest::qWaitFor([view] { return QApplication::activeWindow() == view; })); // not as soon as it is asked for
    const auto enter = [view](int slot, const char* word) {
        view->entry(slot)->setText(QString::fromUtf8(word));
        QTest::keyClick(view->entry(slot), Qt::Key_Return);
    };
    const auto rowZero = [] {
        QString texts;
        for (int32_t x = 0; x < 6; ++x)
            texts += fieldAt(x, 0)->text().leftJustified(1, u'.');
        return texts;
    };
    enter(0, "gorden");
    EXPECT_EQ(rowZero(), ".A....");
    EXPECT_EQ(view->findChild<QLabel*>("wordViewSaid")->text(), "GORDEN does not fit: the 2nd letter is given as A.");
    enter(0, "garden");
    EXPECT_EQ(rowZero(), "GARDEN");
    EXPECT_EQ(gameModel().letterAt({5, 0}), "N");
    EXPECT_EQ(view->findChild<QLabel*>("wordViewSaid")->text(), "1 across: G A R D E N, given A");
    EXPECT_EQ(view->entry(0)->text(), "") << "a word that went in";
    QTest::keyClicks(fieldAt(1, 1), "n");
    QCoreApplication::processEvents(); // the rows follow once the change is over
    EXPECT_EQ(view->entry(1)->accessibleName(), "2 down: A N blank H blank blank, given A and H");
    QTest::keyClick(view->entry(0), Qt::Key_Down);
    ASSERT_TRUE(view->entry(1)->hasFocus());
    QTest::keyClick(view->entry(1), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(checks, 1) << "the window's shortcut from the list";
    QTest::keyClick(view->entry(1), Qt::Key_Escape);
    EXPECT_FALSE(view->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::focusWidget() == fieldAt(1, 0); }));
    resetCells();
}

} // namespace
