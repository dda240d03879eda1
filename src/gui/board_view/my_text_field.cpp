// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/my_text_field.h"

#include "gui/board_view/arrow_navigation.h"
#include "gui/board_view/cell_accessible.h"
#include "gui/board_view/key_codes.h"
#include "gui/board_view/grid.h"
#include "gui/look/window_handle.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPoint>
#include <QTimer>

namespace {

constexpr qreal kMarkThickness = 2;
constexpr qreal kMarkFromBottom = 2.5;
constexpr qreal kMarkInset = 8;
constexpr qreal kStrikeInset = 3;

// Qt hands a Tab press to the focus chain before the field sees it, and the release then
// lands in whichever field has the focus. Only the release of a plain Tab moves along the
// word, so the press decides what its release will mean.
bool g_plainTabIsDown = false;

bool isPlainTab(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
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

void myTextField::forgetTabPress()
{
    g_plainTabIsDown = false;
}

bool myTextField::event(QEvent* event)
{
    // A cell holds one letter, so the line edit's emacs-style editing keys (Ctrl+E to the end
    // of the line, Ctrl+K to delete to it, ...) mean nothing here and would swallow the
    // game's own shortcuts on X11; only the clipboard and undo keys stay the cell's.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        const bool isEditingKey = keyEvent->matches(QKeySequence::Copy) || keyEvent->matches(QKeySequence::Cut)
            || keyEvent->matches(QKeySequence::Paste) || keyEvent->matches(QKeySequence::Undo)
            || keyEvent->matches(QKeySequence::Redo) || keyEvent->matches(QKeySequence::SelectAll);
        if (keyEvent->modifiers() & Qt::ControlModifier && !isEditingKey) {
            event->ignore();
            return true;
        }
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
    }
    return QLineEdit::event(event);
}

void myTextField::keyPressEvent(QKeyEvent* event)
{
    if (moveByArrowKey(event) || passOnFromFixedCell(event))
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
    if (tabReleased && position)
        moveFocusTo(findFieldAfter(position->x(), position->y()));
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
// its letter, and the focus goes on from that cell.
bool myTextField::passOnFromFixedCell(QKeyEvent* event)
{
    const QString text = event->text();
    const bool isCharacter = !text.isEmpty() && text.front().category() != QChar::Other_Control
        && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    const auto position = isReadOnly() && isCharacter ? boardPosition() : std::nullopt;
    myTextField* const target = position ? findFieldAfter(position->x(), position->y()) : nullptr;
    if (!target || !gWindow)
        return false;
    moveFocusTo(target);
    target->selectAll();
    QCoreApplication::sendEvent(target, event);
    return true;
}

void myTextField::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    paintVerdictMark(painter);
    if (!hasFocus())
        return;
    // The player must always see which cell takes the next letter.
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

// A bar under a word's letter, a line through a non-word's, in the letter's colour.
void myTextField::paintVerdictMark(QPainter& painter) const
{
    if (m_shownVerdict == Verdict::Unchecked || text().isEmpty())
        return;
    const QRectF cell = rect();
    painter.setPen(QPen(palette().color(QPalette::Text), kMarkThickness, Qt::SolidLine, Qt::FlatCap));
    if (m_shownVerdict == Verdict::Word) {
        const qreal y = cell.bottom() - kMarkFromBottom;
        painter.drawLine(QPointF(cell.left() + kMarkInset, y), QPointF(cell.right() - kMarkInset, y));
        return;
    }
    // Wider than any capital, so that it shows past the sides of the glyph it crosses.
    const qreal y = cell.center().y();
    painter.drawLine(QPointF(cell.left() + kStrikeInset, y), QPointF(cell.right() - kStrikeInset, y));
}

void myTextField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Deferred: the mouse press that gave the focus would undo an immediate selection.
    // A letter typed into a fixed cell may have passed the focus on before this runs.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            selectAll();
    });
}

void myTextField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    update(); // takes the focus ring away
}

void myTextField::textDidChange()
{
    const QString typed = text();
    const qsizetype byteLength = typed.toUtf8().size();
    const int keyCode = m_currentKeyCode;
    if (const QString letter = lastCharacterUpperCased(typed); letter != typed)
        setText(letter);
    const auto position = boardPosition();
    if (position && byteLength > 0)
        moveFocusTo(findNextField(position->x(), position->y()));
    if (position && keyCode == kDeleteKeyCode)
        moveFocusTo(findPreviousField(position->x(), position->y()));
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
