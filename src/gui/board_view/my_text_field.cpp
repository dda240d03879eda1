// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/my_text_field.h"


#include "core/board/board_moves.h"
#include "core/round/game_model.h"
#include "gui/board_view/arrow_navigation.h"
#include "gui/board_view/cell_look.h"
#include "gui/board_view/cell_accessible.h"
#include "gui/board_view/key_codes.h"
#include "gui/board_view/grid.h"
#include "gui/look/window_handle.h"
#include "gui/look/zoom.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <cmath>

namespace {

constexpr qreal kMarkThickness = 2;
constexpr qreal kMarkFromBottom = 2.5;
constexpr qreal kMarkInset = 8;
constexpr qreal kStrikeInset = 3;
// A word's number in a cell, as fractions of the cell's side: small enough to leave the
// letter clear, set in from the corner past the focus ring.
constexpr qreal kNumberHeight = 0.25;
constexpr qreal kNumberInset = 0.09;
constexpr qreal kNumberDrop = 0.04;
// How far a numbered cell's letter moves over, right and down, to leave the number clear.
constexpr qreal kLetterShiftRight = 0.1;
constexpr qreal kLetterShiftDown = 0.03;
constexpr qreal kFocusRingWidth = 2;

// Qt hands a Tab press to the focus chain before the field sees it, and the release then
// lands in whichever field has the focus. Only the release of a plain Tab moves along the
// word, so the press decides what its release will mean.
bool g_plainTabIsDown = false;

bool isPlainTab(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
}

bool g_typesThroughGiven = false;

// Typing through given letters: the one cell whose next letters may type through, while it
// holds the focus it reached by typing or by Tab. Any other move forgets it.
struct TypingField {
    QPointer<myTextField> field;
    TypingThrough typing;
};
TypingField g_typing;

void forgetTyping()
{
    g_typing = {};
}

// A key that types a character, not a shortcut or a key that edits or moves.
bool typesCharacter(const QKeyEvent* event)
{
    const QString text = event->text();
    return !text.isEmpty() && text.front().category() != QChar::Other_Control
        && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
}

myTextField* cellField(BoardCell cell)
{
    return qobject_cast<myTextField*>(gGrid[cell.x][cell.y].field.get());
}

// The board of the round when `position` lies on its words: gGrid may hold cells the round
// does not (fields placed by hand), and those keep the toolkit's keys.
const BoardState* roundBoardAt(QPoint position)
{
    const std::optional<BoardState>& board = gameModel().board();
    return board && wordHolding(placementsOf(*board), {position.x(), position.y()}) >= 0 ? &*board : nullptr;
}

// Where the toolkit's Tab and Shift+Tab stop: what QWidget::focusNextPrevChild would take.
bool isTabStop(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isVisible() && widget->isEnabled()
        && !widget->focusProxy() && !widget->isWindow();
}

// Each code point of `text`, even outside the Basic Multilingual Plane, upper-cased one to one.
QString upperCasedOneToOne(const QString& text)
{
    QString upperCased;
    for (const char32_t codePoint : text.toUcs4()) {
        const char32_t upper = QChar::toUpper(codePoint);
        upperCased += QString::fromUcs4(&upper, 1);
    }
    return upperCased;
}

// The last character of `text`, a whole code point, upper-cased one to one.
QString lastCharacterUpperCased(const QString& text)
{
    qsizetype start = text.size() - 1;
    if (start > 0 && text[start].isLowSurrogate() && text[start - 1].isHighSurrogate())
        --start;
    return upperCasedOneToOne(text.mid(start));
}

} // namespace

myTextField::myTextField(QWidget* parent)
    : QLineEdit(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleCell), true);
    Q_UNUSED(factoryInstalled);
    connect(this, &QLineEdit::textEdited, this, &myTextField::textDidChange);
}

void myTextField::setShownVerdict(Verdict verdict)
{
    m_shownVerdict = verdict;
}

void myTextField::setWordNumbers(const QString& numbers)
{
    m_wordNumbers = numbers;
    shiftLetter();
    update();
}

// A margin twice the shift, since the letter stays centred in what the margins leave.
void myTextField::shiftLetter()
{
    const bool numbered = !m_wordNumbers.isEmpty();
    setTextMargins(numbered ? qRound(2 * kLetterShiftRight * height()) : 0, numbered ? qRound(2 * kLetterShiftDown * height()) : 0, 0, 0);
}

void myTextField::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    shiftLetter();
}

void myTextField::forgetTabPress()
{
    g_plainTabIsDown = false;
}

void myTextField::setTypesThroughGiven(bool on)
{
    g_typesThroughGiven = on;
    forgetTyping();
}

bool myTextField::event(QEvent* event)
{
    // A cell holds one letter, so the line edit's editing keys mean nothing here.
    if (event->type() == QEvent::ShortcutOverride && leavesToShortcuts(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    // An interface made before the cell became fixed (Qt makes one as soon as the cell is
    // named) describes the wrong kind of cell; the next query makes the right one.
    if (event->type() == QEvent::ReadOnlyChange) {
        if (QAccessibleInterface* stale = QAccessible::queryAccessibleInterface(this))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(stale));
    }
    if (event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (keyEvent->key() == Qt::Key_Backtab || keyEvent->key() == Qt::Key_Tab)
            g_plainTabIsDown = isPlainTab(keyEvent);
        if (isPlainTab(keyEvent)) {
            event->accept();
            return true;
        }
        // The toolkit's Shift+Tab would walk every cell, the fixed ones too, to leave the board.
        const auto position = keyEvent->key() == Qt::Key_Backtab ? boardPosition() : std::nullopt;
        if (position && moveToWord(*position, true)) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void myTextField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
        forgetTyping();
    if (moveByArrowKey(event)) {
        forgetTyping();
        return;
    }
    if (passOnFromFixedCell(event) || typeThroughGiven(event))
        return;
    // A letter goes in as its capital, so that the text changes once and a screen reader
    // hears the capital alone, not the small letter first.
    QKeyEvent upperCased(event->type(), event->key(), event->modifiers(), event->nativeScanCode(), event->nativeVirtualKey(),
                         event->nativeModifiers(), upperCasedOneToOne(event->text()), event->isAutoRepeat(), event->count(),
                         event->device());
    m_currentKeyCode = gameKeyCode(event->key());
    QLineEdit::keyPressEvent(&upperCased);
    m_currentKeyCode = kNoKeyCode;
    event->setAccepted(upperCased.isAccepted());
}

void myTextField::inputMethodEvent(QInputMethodEvent* event)
{
    QInputMethodEvent upperCased(event->preeditString(), event->attributes());
    upperCased.setCommitString(upperCasedOneToOne(event->commitString()), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&upperCased);
    event->setAccepted(upperCased.isAccepted());
}

void myTextField::keyReleaseEvent(QKeyEvent* event)
{
    const bool tabReleased = event->key() == Qt::Key_Tab && g_plainTabIsDown;
    if (tabReleased)
        g_plainTabIsDown = false;
    const auto position = boardPosition();
    myTextField* const next = tabReleased && position ? findFieldAfter(position->x(), position->y()) : nullptr;
    if (next) {
        moveFocusTo(next);
        next->followTyping(false);
    } else if (tabReleased && position) {
        moveToWord(*position, false);
    }
    QLineEdit::keyReleaseEvent(event);
}

// The arrow keys jump between the board's cells instead of moving the caret in a cell that
// holds one letter at most.
bool myTextField::moveByArrowKey(const QKeyEvent* event)
{
    int32_t dx = 0;
    int32_t dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        return false;
    }
    const auto position = boardPosition();
    if (!position || event->modifiers() != Qt::NoModifier)
        return false;
    moveFocusTo(nearestInputCell(position->x(), position->y(), dx, dy));
    return true;
}

// A fixed cell takes no letter, yet it holds the focus when a round begins on one: a
// character typed there is typed into the next input cell of the word instead, replacing
// its letter, and the focus goes on from that cell. Typing through given letters, the cursor
// has stepped over the fixed cell, so its own letter is typed through it.
bool myTextField::passOnFromFixedCell(QKeyEvent* event)
{
    const auto position = isReadOnly() && typesCharacter(event) ? boardPosition() : std::nullopt;
    myTextField* const target = position ? findFieldAfter(position->x(), position->y()) : nullptr;
    if (!target || !gWindow)
        return false;
    moveFocusTo(target);
    target->selectAll();
    target->followTyping(false);
    QCoreApplication::sendEvent(target, event);
    return true;
}

bool myTextField::typeThroughGiven(QKeyEvent* event)
{
    if (g_typing.field != this || !typesCharacter(event))
        return false;
    if (typeLetter(g_typing.typing, event->text()) == TypedLetter::IntoCell) {
        forgetTyping();
        return false;
    }
    event->accept();
    return true;
}

// Records where typing stands once the focus reached this cell, for the letters typed next.
void myTextField::followTyping(bool stayed)
{
    const auto position = g_typesThroughGiven ? boardPosition() : std::nullopt;
    const BoardState* board = position ? roundBoardAt(*position) : nullptr;
    if (board)
        g_typing = {this, typingAt(*board, {position->x(), position->y()}, stayed)};
}

// False where the round's board does not hold `from`, for the toolkit to move instead.
bool myTextField::moveToWord(QPoint from, bool backward)
{
    const BoardState* board = roundBoardAt(from);
    if (!board)
        return false;
    if (const std::optional<BoardCell> entry = wordAfter(*board, {from.x(), from.y()}, backward)) {
        myTextField* target = cellField(*entry);
        moveFocusTo(target);
        if (target)
            target->followTyping(false);
    } else {
        leaveBoard(backward);
    }
    return true;
}

// To the control next to the board in the window's Tab order, the one the toolkit's Tab
// (Shift+Tab) would reach once past the last (first) cell. The board's cells follow one
// another in that order, so the first other control found is the board's neighbour.
void myTextField::leaveBoard(bool backward)
{
    if (!gWindow)
        return;
    for (QWidget* widget = backward ? previousInFocusChain() : nextInFocusChain(); widget != this;
         widget = backward ? widget->previousInFocusChain() : widget->nextInFocusChain()) {
        if (!qobject_cast<myTextField*>(widget) && isTabStop(widget) && widget->window() == window()) {
            widget->setFocus(backward ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            return;
        }
    }
}

void myTextField::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    paintWordNumbers(painter);
    paintVerdictMark(painter);
    if (!hasFocus())
        return;
    // The player must always see which cell takes the next letter: whole pixels, however zoomed.
    const qreal width = std::round(zoomed(kFocusRingWidth));
    painter.setPen(QPen(focusRingColour(gBoardPalette), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

// A bar under a word's letter, a line through a non-word's, in the letter's colour.
void myTextField::paintVerdictMark(QPainter& painter) const
{
    if (m_shownVerdict == Verdict::Unchecked || text().isEmpty())
        return;
    const QRectF cell = rect();
    painter.setPen(QPen(palette().color(QPalette::Text), std::round(zoomed(kMarkThickness)), Qt::SolidLine, Qt::FlatCap));
    if (m_shownVerdict == Verdict::Word) {
        const qreal y = cell.bottom() - zoomed(kMarkFromBottom);
        painter.drawLine(QPointF(cell.left() + zoomed(kMarkInset), y), QPointF(cell.right() - zoomed(kMarkInset), y));
        return;
    }
    // Wider than any capital, so that it shows past the sides of the glyph it crosses.
    const qreal y = cell.center().y();
    painter.drawLine(QPointF(cell.left() + zoomed(kStrikeInset), y), QPointF(cell.right() - zoomed(kStrikeInset), y));
}

// In the typed letters' own colour whatever the verdict, which reads 4.5:1 on the cell in
// every palette; inside the focus ring, which is painted over it.
void myTextField::paintWordNumbers(QPainter& painter) const
{
    if (m_wordNumbers.isEmpty())
        return;
    QFont font = QApplication::font();
    font.setPixelSize(std::max(7, qRound(height() * kNumberHeight)));
    painter.save();
    painter.setFont(font);
    painter.setPen(gBoardPalette.inputText);
    const QRect corner = rect().adjusted(qRound(height() * kNumberInset), qRound(height() * kNumberDrop), 0, 0);
    // On the cell's own colour even where a selected letter's highlight reaches the corner.
    painter.fillRect(painter.boundingRect(corner, Qt::AlignLeft | Qt::AlignTop, m_wordNumbers), gBoardPalette.cell);
    painter.drawText(corner, Qt::AlignLeft | Qt::AlignTop, m_wordNumbers);
    painter.restore();
}

void myTextField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Tab from the control before the board enters it at its first word, Shift+Tab from the
    // one after at its last, each where the word is taken up; the cells themselves never
    // move the focus by these reasons.
    const bool backward = event->reason() == Qt::BacktabFocusReason;
    const auto position = backward || event->reason() == Qt::TabFocusReason ? boardPosition() : std::nullopt;
    if (const BoardState* board = position ? roundBoardAt(*position) : nullptr) {
        myTextField* entry = cellField(wordEntry(*board, backward ? kWordCount - 1 : 0));
        if (entry && entry != this) {
            moveFocusTo(entry);
            entry->followTyping(false);
            return;
        }
        followTyping(false);
    }
    // Deferred: the mouse press that gave the focus would undo an immediate selection.
    // A letter typed into a fixed cell may have passed the focus on before this runs.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            selectAll();
    });
}

void myTextField::focusOutEvent(QFocusEvent* event)
{
    // A menu opened or another window visited leaves the typing where it was.
    const bool movedInWindow = event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
    if (g_typing.field == this && movedInWindow)
        forgetTyping();
    QLineEdit::focusOutEvent(event);
    update(); // takes the focus ring away
    emit focusLeft();
}

void myTextField::textDidChange()
{
    const QString typed = text();
    const qsizetype byteLength = typed.toUtf8().size();
    const int keyCode = m_currentKeyCode;
    if (const QString letter = lastCharacterUpperCased(typed); letter != typed)
        setText(letter);
    const auto position = boardPosition();
    if (position && byteLength > 0) {
        myTextField* const next = findNextField(position->x(), position->y());
        moveFocusTo(next);
        if (!next)
            followTyping(true);
        else if (gWindow)
            next->followTyping(false);
    }
    if (position && keyCode == kDeleteKeyCode)
        moveFocusTo(findPreviousField(position->x(), position->y()));
}

void myTextField::mousePressEvent(QMouseEvent* event)
{
    forgetTyping();
    QLineEdit::mousePressEvent(event);
}

std::optional<QPoint> myTextField::boardPosition() const
{
    for (int32_t x = 0; x < gGridSize; ++x) {
        for (int32_t y = 0; y < gGridSize; ++y) {
            if (gGrid[x][y].field.get() == this)
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

void myTextField::moveFocusTo(myTextField* target)
{
    if (!target || !gWindow)
        return;
    target->setFocus(Qt::OtherFocusReason);
}
