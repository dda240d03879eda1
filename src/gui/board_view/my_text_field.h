// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_geometry.h"

#include <QLineEdit>

#include <cstdint>
#include <optional>

class QPainter;
class QPoint;

// The text field of one lettered cell. It keeps a single upper-case letter and moves the
// keyboard focus along the cell's word: on to the next cell after a letter and when Tab is
// released, back on Backspace. Between words, Tab at a word's end and Shift+Tab go where the
// round's board says (core/board/board_moves.h), and out of the board past either end. A
// field knows its board position only by finding itself in gGrid.
class myTextField : public QLineEdit {
    Q_OBJECT

public:
    explicit myTextField(QWidget* parent = nullptr);

    // The field of the next (previous) input cell along the word of the cell at (x, y),
    // skipping at most one fixed cell; null when there is none. Reads only gGrid.
    static myTextField* findNextField(int32_t x, int32_t y);
    static myTextField* findPreviousField(int32_t x, int32_t y);

    // Where a key pressed in the cell at (x, y) leads: findNextField, except that the shared
    // first cell of an across and a down word leads along the across word.
    static myTextField* findFieldAfter(int32_t x, int32_t y);

    // Forgets a plain Tab pressed whose release has not arrived. Tab state is shared by all
    // fields, since the release lands in whichever field the press moved the focus to.
    static void forgetTabPress();

    // Whether a given letter the cursor stepped over, typed next, is typed through rather than
    // into the cell the cursor reached. Off, as it starts, the cells type as they always did.
    static void setTypesThroughGiven(bool on);

    // What the field paints of its letter's verdict; set by showVerdict, never read as the
    // verdict itself, which is the game model's. The field reports its text through
    // QLineEdit::textChanged and decides nothing of the round.
    void setShownVerdict(Verdict verdict);

    // Where the field is on the board, found in gGrid; none for a field not on it.
    std::optional<QPoint> boardPosition() const;

    // The numbers of the words that begin in this cell ("1", "1/2"), painted small in its top
    // left corner as a crossword prints them, scaled with the cell; empty in every other cell.
    void setWordNumbers(const QString& numbers);
    QString wordNumbers() const { return m_wordNumbers; }

signals:
    // The focus left the cell: the name a reader was not told while on it can be brought up to
    // date for the next visit.
    void focusLeft();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void textDidChange();
    void paintVerdictMark(QPainter& painter) const;
    void paintWordNumbers(QPainter& painter) const;
    void shiftLetter();
    bool moveByArrowKey(const QKeyEvent* event);
    bool passOnFromFixedCell(QKeyEvent* event);
    bool typeThroughGiven(QKeyEvent* event);
    bool moveToWord(QPoint from, bool backward);
    void leaveBoard(bool backward);
    void followTyping(bool stayed);
    void moveFocusTo(myTextField* target);

    // The game's code of the key being pressed while the base class handles it; none for
    // a change made without a key (a paste from the context menu).
    int m_currentKeyCode = 0;
    Verdict m_shownVerdict = Verdict::Unchecked;
    QString m_wordNumbers;
};
