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
#include <QPushButton>
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
// with a vowel: its O at (0, 0) is fixed, shared with OFFICE down, and holds the focus as a round begins. PLANET's
// A at (2, 0) is fixed, SHOVEL's L at (6, 3) starts LEMONS, whose S at (6, 8) is ISLAND's; GROOVE ends in two fixed
// letters, V and E. Beside the board one button, the focus at -1. Each row: the board, where the focus starts, the
// keys, whether given letters are typed through, then the texts of a word (in chain order) and where the focus ends.
TEST(BoardTypingTest, KeysFillTheWordAndMoveTheFocusAlongIt)
{
    const PuzzleWords garden = workedExample(), orange = puzzleOf({"orange", "office", "island", "dinner", "silver"}, 0, 0, 5);
    const PuzzleWords planet = puzzleOf({"planet", "anchor", "shovel", "lemons", "island"}, 2, 1, 1);
    const PuzzleWords groove = puzzleOf({"planet", "eleven", "groove", "enigma", "anchor"}, 4, 4, 0);
    const struct { const PuzzleWords& words; int32_t x, y; const char* keys; bool through; int word; const char* texts; int32_t toX, toY; } rows[] = {
        {garden, 0, 0, "q", false, 0, "QA....", 2, 0},       // upper-cased, on past the fixed cell
        {garden, 0, 0, "grdenx", false, 0, "GARDEX", 5, 0},  // stops at the word's end
        {garden, 1, 1, "ncorz", false, 1, "ANCHOZ", 1, 5},    // down a word, never turning the corner
        {garden, 0, 0, "7?", false, 0, "7A?...", 3, 0},      // digits and punctuation as typed
        {garden, 0, 0, "é𝐚", false, 0, "ÉA𝐚...", 3, 0},      // outside ASCII: whole, upper-cased
        {garden, 0, 0, "P", false, 0, "CA....", 2, 0},       // a paste keeps its last character
        {garden, 0, 0, "grL<", false, 0, "GA....", 0, 0},    // Backspace empties and steps back
        {garden, 0, 0, "gr<", false, 0, "GAR...", 3, 0},     // in an empty cell it does nothing
        {garden, 0, 0, "gL<", false, 0, ".A....", 0, 0},     // at a word's start it stays
        {garden, 0, 0, "grLa", false, 0, "GAA...", 3, 0},    // arriving selects the letter there
        {garden, 0, 0, "gLR", false, 0, "GA....", 2, 0},     // arrows move, leaving the letters
        {garden, 0, 0, "RDLLU", false, 0, ".A....", 0, 0},   // over gaps, nothing further left
        {garden, 0, 0, "gLS", false, 0, "GA....", 0, 0},     // Shift+arrow selects in the cell
        {garden, 0, 0, "RDL", false, 0, ".A....", 0, 3},
        {garden, 2, 0, "[", false, 0, ".A....", 2, 0},       // Tab moves once it is released
        {garden, 2, 0, "[]]>", false, 0, ".A....", 4, 0},    // once for each press
        {garden, 1, 0, "x", false, 1, "AX.H..", 1, 2},       // typed in a fixed cell: into the next one
        {orange, 0, 0, "rang", false, 0, "ORANG.", 5, 0},    // the first keys of a round are not lost
        {orange, 0, 0, "[]", false, 0, "O.....", 1, 0},
        {orange, 0, 0, "P", false, 0, "O.....", 0, 0},       // a shortcut is no letter to pass on
        {planet, 5, 0, ">", false, 0, "..A...", 2, 1},       // Tab at a word's end: the next word's first empty cell
        {planet, 0, 0, "plD{{", false, 0, "PLA...", 3, 0},   // Shift+Tab: the previous word's, from anywhere in it
        {planet, 0, 0, "plnet>{", false, 0, "PLANET", 0, 0}, // a word full: its first cell that is not given
        {planet, 3, 3, "{]", false, 2, ".H...L", 2, 1},      // Shift+Tab's release moves no further
        {planet, 10, 8, ">", false, 4, ".S....", -1, 0},     // past the last word, off the board
        {planet, 0, 0, "{", false, 0, "..A...", -1, 0},      // and before the first
        {planet, -1, 0, "{", false, 4, ".S....", 5, 8},      // into the board backward: its last word
        {planet, 0, 0, "p{>", false, 0, "P.A...", 1, 0},     // and forward: its first, where it is taken up
        {planet, 0, 0, "planets", false, 0, "PLAANS", 5, 0}, // as specified: each letter in the cell reached
        {planet, 0, 0, "planets", true, 0, "PLANET", 5, 0},  // typed through the given A; none past the end
        {planet, 0, 0, "plnEt", true, 0, "PLANET", 5, 0},    // the given A left out
        {planet, 5, 3, "el>lemonsx", false, 3, "LLEMXS", 6, 7},
        {planet, 5, 3, "el>lemonsx", true, 3, "LEMONS", 6, 7}, // at a word's end, and stepped over by Tab
        {groove, 0, 3, "groovex", true, 2, "GROOVE", 3, 3},  // two given letters together
        {orange, 0, 0, "orange", true, 0, "ORANGE", 5, 0},   // the given letter holding the focus
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    for (const auto& row : rows) {
        resetCells();
        BoardWindow board;
        QPushButton beside(board.window()->centralWidget());
        board.window()->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(board.window()));
        layOutBoard(row.words, gWindow = board.window());
        myTextField::setTypesThroughGiven(row.through);
        const auto at = [&beside](int32_t x, int32_t y) -> QWidget* { return x < 0 ? static_cast<QWidget*>(&beside) : fieldAt(x, y); };
        at(row.x, row.y)->setFocus(), QCoreApplication::processEvents();
        typeKeys(QString::fromUtf8(row.keys));
        QString texts;
        for (int32_t k = 0; k < 6; ++k) {
            const BoardCell cell = gameModel().board()->words[row.word].place.cell(k);
            texts += fieldAt(cell.x, cell.y)->text().leftJustified(1, u'.');
        }
        const auto selectedUnfocused = [](const QLineEdit* cell) { return cell->hasSelectedText() && !cell->hasFocus(); };
        const auto leftSelected = std::ranges::count_if(board.window()->findChildren<QLineEdit*>(), selectedUnfocused);
        EXPECT_EQ(texts, QString::fromUtf8(row.texts)) << "keys " << row.keys;
        EXPECT_EQ(QApplication::focusWidget(), at(row.toX, row.toY)) << "keys " << row.keys << ": the focus not at " << row.toX << ',' << row.toY;
        EXPECT_EQ(leftSelected, 0) << "keys " << row.keys << ": a cell left behind selected";
    }
    myTextField::setTypesThroughGiven(false);
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
