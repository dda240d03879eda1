// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/arrow_navigation.h"
#include "gui/board_view/cell_look.h"
#include "gui/board_view/my_text_field.h"

#include "support/globals.h"

#include <QAccessible>
#include <QTest>

#include <ranges>
#include <string>
#include <vector>

struct Cell { int32_t x, y; char kind; int32_t direction; }; // kind 'I' an input cell, 'F' a fixed one
constexpr int A = DirAcross, D = DirDown;
constexpr int32_t kNone = -1;

// Hand-made boards: each cell placed with its kind and direction, nothing else.
static void place(const std::vector<Cell>& cells)
{
    clearBoard();
    for (const Cell& cell : cells) {
        gGrid[cell.x][cell.y].field.reset(new myTextField);
        gGrid[cell.x][cell.y].editable = cell.kind == 'I';
        gGrid[cell.x][cell.y].direction = cell.direction;
    }
}

static QLineEdit* fieldOf(int32_t x, int32_t y) { return x == kNone ? nullptr : gGrid[x][y].field.get(); }

TEST_F(CellsTest, FocusMovesOneStepAlongTheWordOrTwoOverOneFixedCellAndNeverOffTheBoard)
{
    const struct { std::vector<Cell> board; bool next; int32_t x, y, toX, toY; } cases[] = {
        {{{3, 5, 'I', A}, {4, 5, 'I', A}}, true, 3, 5, 4, 5},
        {{{3, 5, 'I', A}, {4, 5, 'F', D}, {5, 5, 'I', A}}, true, 3, 5, 5, 5},
        {{{3, 5, 'I', A}, {4, 5, 'F', D}, {5, 5, 'F', D}, {6, 5, 'I', A}}, true, 3, 5, kNone, 0},
        {{{3, 2, 'I', A}, {5, 2, 'I', A}}, true, 3, 2, kNone, 0},
        {{{2, 1, 'I', D}, {3, 1, 'I', A}, {2, 2, 'I', D}}, true, 2, 1, 2, 2},
        {{{2, 1, 'I', D}, {2, 2, 'F', A}, {2, 3, 'I', D}}, true, 2, 1, 2, 3},
        {{{2, 0, 'F', D}, {2, 1, 'I', D}}, false, 2, 1, kNone, 0},
        {{{2, 0, 'I', D}}, false, 2, 0, kNone, 0},
        {{{2, 4, 'I', D}, {2, 5, 'I', D}}, false, 2, 5, 2, 4},
        {{{1, 3, 'I', D}, {2, 3, 'F', D}, {3, 3, 'I', A}}, false, 3, 3, 1, 3},
        {{{0, 0, 'F', DirBoth}, {1, 0, 'I', A}, {0, 1, 'I', D}}, true, 0, 0, 1, 0}, // a shared start leads across
        {{{0, 0, 'F', DirBoth}, {1, 0, 'I', A}}, false, 1, 0, kNone, 0},
        {{}, false, 20, 3, kNone, 0},
        {{{18, 6, 'I', A}, {19, 6, 'F', D}}, true, 18, 6, kNone, 0},
        {{{4, 19, 'I', D}}, true, 4, 19, kNone, 0},
    };
    for (const auto& row : cases) {
        place(row.board);
        myTextField* found = row.next ? myTextField::findFieldAfter(row.x, row.y) : myTextField::findPreviousField(row.x, row.y);
        EXPECT_EQ(found, fieldOf(row.toX, row.toY)) << (row.next ? "after " : "before ") << row.x << "," << row.y;
    }
}

// Straight ahead counts one a cell, each cell off the line three.
TEST_F(CellsTest, ArrowKeysGoToTheNearestInputCellThatWay)
{
    place({{2, 2, 'I', A}, {5, 2, 'I', A}, {4, 2, 'F', D}, {3, 3, 'I', D}, {2, 6, 'I', D}, {0, 2, 'I', A}, {9, 9, 'F', A}});
    const struct { int32_t dx, dy, toX, toY; } cases[] = {{1, 0, 5, 2}, {0, 1, 2, 6}, {-1, 0, 0, 2}, {0, -1, kNone, 0}};
    for (const auto& row : cases)
        EXPECT_EQ(nearestInputCell(2, 2, row.dx, row.dy), fieldOf(row.toX, row.toY)) << row.dx << "," << row.dy;
    place({{2, 2, 'I', A}, {3, 3, 'I', A}, {6, 2, 'I', A}});
    EXPECT_EQ(nearestInputCell(2, 2, 1, 0), fieldOf(3, 3)); // a tie goes to the cell found first
}

TEST_F(CellsTest, VerdictShowsByColourAndLine)
{
    gBoardPalette = {Qt::blue, Qt::magenta};
    myTextField field;
    field.resize(40, 32), field.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&field)); // and so focused, and ringed
    const struct { const char* text; Verdict verdict; QColor colour; bool struck, bar; } cases[] = { // what a reader is told: board_paint_test
        {"A", Verdict::Word, Qt::blue, false, true},
        {"", Verdict::Word, Qt::blue, false, false},
        {"A", Verdict::NotWord, Qt::magenta, true, false},
        {"A", Verdict::Unchecked, kInputTextColour, false, false},
    };
    for (const auto& row : cases) {
        field.setText(QString::fromUtf8(row.text));
        showVerdict(&field, row.verdict, kCellBackground);
        SCOPED_TRACE(QString("'%1', verdict %2").arg(row.text).arg(int(row.verdict)).toStdString());
        EXPECT_EQ(textColor(&field), row.colour);
        EXPECT_EQ(field.font().strikeOut(), row.struck);
        // A bar under the letter 8 pixels in, a line clear of any glyph 3 pixels in, from each side, and the focus ring.
        const QImage image = field.grab().toImage();
        const auto inColour = [&](int x, int y) { return image.pixelColor(x, y) == row.colour; };
        EXPECT_EQ(inColour(8, 29), row.bar) << "the bar's left end";
        EXPECT_EQ(inColour(31, 29), row.bar) << "the bar's right end";
        EXPECT_FALSE(inColour(7, 29) || inColour(32, 29)) << "the bar reaches the sides";
        EXPECT_EQ(inColour(3, 15), row.struck) << "the line's left end";
        EXPECT_EQ(inColour(36, 15), row.struck) << "the line's right end";
        EXPECT_FALSE(inColour(2, 15) || inColour(37, 15)) << "the line reaches the sides";
        const auto inked = [&](int i) { return image.pixelColor(4 + i % 16, 17 + i / 16) != field.palette().color(QPalette::Base); }; // the letter's foot
        EXPECT_EQ(std::ranges::any_of(std::views::iota(0, 16 * 6), inked), *row.text != 0) << "the letter's foot";
    }
}

// The ring round the focused cell is two pixels wide and 3:1 against the cell and the panel behind it, in every palette.
TEST_F(CellsTest, TheFocusRingStandsOutInEveryPalette)
{
    myTextField field;
    field.resize(40, 32), field.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&field));
    for (const auto& [colours, dark] : {std::pair(WordColours::Standard, false), std::pair(WordColours::ColourBlindSafe, false),
                                        std::pair(WordColours::Standard, true), std::pair(WordColours::ColourBlindSafe, true)}) {
        gBoardPalette = boardPalette(colours, dark);
        const QColor ring = focusRingColour(gBoardPalette);
        SCOPED_TRACE(QString("%1 colours, dark %2, ring %3").arg(int(colours)).arg(dark).arg(ring.name()).toStdString());
        EXPECT_GE(std::min(contrastRatio(ring, gBoardPalette.cell), contrastRatio(ring, gBoardPalette.panel)), 3.0) << "against the cell or the panel";
        const QImage image = field.grab().toImage();
        for (const auto& [x, y] : {std::pair(0, 15), std::pair(1, 15), std::pair(38, 15), std::pair(39, 15), std::pair(20, 0), std::pair(20, 1), std::pair(20, 31)})
            EXPECT_EQ(image.pixelColor(x, y), ring) << x << "," << y;
    }
}

// A reader reads and brailles a cell's letter through its text interface.
TEST_F(CellsTest, FixedCellTellsAScreenReaderItIsReadOnlyAndGivesItsLetter)
{
    myTextField field;
    field.setText(QStringLiteral("H"));
    field.setReadOnly(true);
    QAccessibleInterface* fixed = QAccessible::queryAccessibleInterface(&field);
    const QAccessible::State state = fixed->state();
    EXPECT_TRUE(state.readOnly);
    EXPECT_FALSE(state.editable);
    EXPECT_EQ(fixed->text(QAccessible::Value), "H");
    ASSERT_TRUE(fixed->textInterface());
    ASSERT_FALSE(fixed->editableTextInterface());
    const QAccessible::Id wrapped = QAccessible::uniqueId(dynamic_cast<QAccessibleInterface*>(fixed->textInterface()));
    field.setReadOnly(false);
    EXPECT_EQ(QAccessible::accessibleInterface(wrapped), nullptr) << "the toolkit's interface goes with the fixed cell's";
}

// A screen reader is told of every change of a cell's text: typing over an empty cell or a
// selected letter changes it once, straight to the capital. A cell keeps the clipboard and undo keys;
// other Ctrl keys are the game's shortcuts, and keys a cell has no use for go to the widgets around it.
TEST_F(CellsTest, ATypedLetterIsAnnouncedOnceInCapitalsAndOnlyEditingKeysAreTheCells)
{
    myTextField field;
    QStringList changes;
    QObject::connect(&field, &QLineEdit::textChanged, [&changes](const QString& text) { changes << text; });
    for (const char* before : {"", "A"}) {
        field.setText(QString::fromLatin1(before)), field.selectAll();
        changes.clear();
        QTest::keyClick(&field, 'q');
        EXPECT_EQ(changes, QStringList {QStringLiteral("Q")}) << before;
    }
    QInputMethodEvent composed; // an accented letter from an input method
    composed.setCommitString(QStringLiteral("é"));
    field.selectAll();
    changes.clear();
    QCoreApplication::sendEvent(&field, &composed);
    EXPECT_EQ(changes, QStringList {QStringLiteral("É")});
    QString taken;
    for (const QKeySequence& keys : std::initializer_list<QKeySequence> {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
             QKeySequence::Redo, QKeySequence::SelectAll, Qt::CTRL | Qt::Key_E, Qt::CTRL | Qt::Key_K, Qt::CTRL | Qt::Key_Right}) {
        QKeyEvent override(QEvent::ShortcutOverride, keys[0].key(), keys[0].keyboardModifiers());
        override.ignore(), QCoreApplication::sendEvent(&field, &override), taken += override.isAccepted() ? u'1' : u'0';
    }
    EXPECT_EQ(taken, "111111000");
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier); // as the line edit leaves it, for a dialog to close on
    QCoreApplication::sendEvent(&field, &escape);
    EXPECT_FALSE(escape.isAccepted());
}
