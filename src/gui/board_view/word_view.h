// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_state.h"

#include <QDialog>

#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QMainWindow;

// Game > Words: the board's five slots as a list in chain order, each row read in words and
// each taking a whole word typed for its slot, for a player who plays by ear or would rather
// type words than walk the cells. A word goes into the board's cells as letters typed there
// do, and the rows follow the game model, so the list and the board never differ. The
// window's shortcuts work from here too; Escape closes the list and puts the focus back on
// the board.
class WordView : public QDialog {
    Q_OBJECT

public:
    // `offered` become buttons here, beside the shortcuts of all of `window`'s actions.
    WordView(QMainWindow* window, const QList<QAction*>& offered);
    ~WordView() override;

    // Shows the list, raised if it is open already, with the focus on the row last typed in.
    void present();

    // The field where a word is typed for `slot` (chain order).
    QLineEdit* entry(int slot) const { return m_entries.at(slot); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void enterWord(int slot);
    void tellReader(const QString& text);
    void returnToBoard();

    QMainWindow* m_window;
    std::array<QLabel*, kWordCount> m_readings {};
    std::array<QLineEdit*, kWordCount> m_entries {};
    QLabel* m_said = nullptr;
    int m_lastSlot = 0;
    bool m_placed = false;
    bool m_filling = false; // while a word typed here goes into the cells
    bool m_refreshPending = false;
    std::array<PlacedWord, kWordCount> m_words; // those the rows last read
};
