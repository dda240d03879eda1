// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/kept_board/board_document.h"
#include "core/kept_board/kept_board_store.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

// The board shown now, as the game model holds it; none when no board of five chained
// words is laid out.
std::optional<BoardState> readShownBoard();

// Decides which board is kept and writes it. Two boards are in play: the one shown and
// the kept one that Resume brings back. The file holds the board to resume at the next
// launch: the one shown when it has typed letters, else the kept one. A board without a
// typed letter is never worth keeping, and a submitted board is never kept.
class BoardKeeper : public QObject {
    Q_OBJECT

public:
    // What shows the boards: it lays out a kept board brought back, and watches the shown
    // board's cells, telling boardChanged of each letter typed.
    struct View {
        std::function<void(const BoardState&)> show;
        std::function<void()> watch;
    };

    // A change waits `saveDelayMs` before it is written.
    explicit BoardKeeper(KeptBoardStore store, int saveDelayMs = kSaveDelayMs, QObject* parent = nullptr);

    void setView(View view) { m_view = std::move(view); }

    // Reads the kept board at launch, saying on the console when the file was no board.
    // With `resumes` it shows that board at once and returns true; else the caller deals.
    bool launch(bool resumes);

    // The shown board is being submitted: from now on it is never kept, and it leaves the
    // file at once, before the round reaches the statistics, so that no crash can let it be
    // resumed and scored twice. False when a game submitted it before: it is not scored again.
    bool boardSubmitted();

    // The shown board is about to be replaced by a dealt one: kept when it is unfinished.
    void boardLeaving();

    // A board was dealt or shown: watch its cells, write what is to be kept, and say on
    // the console when a kept board waits, unless the board replaces a submitted one.
    void boardDealt();

    // Something on the shown board changed (a letter, a check): written within the save delay.
    void boardChanged();

    // Shows the kept board and keeps the shown one in its place.
    void resumeKept();

    // Writes at once what is to be kept, even when this game wrote it before: at quit and
    // termination, so that of two games the one left last is the one kept.
    void saveNow();

    // The longest a change waits before it is written; a change is never delayed further
    // by the ones after it, so a crash loses at most this much typing.
    static constexpr int kSaveDelayMs = 300;

signals:
    // After each write or removal of the file (for tests and tools that wait on it).
    void saved();

private:
    enum class WriteWhen { Changed, Always };
    void writeKept(WriteWhen when);
    void showKept(const BoardState& board);
    void watchBoard();
    std::optional<BoardState> shownBoard() const;
    void tell(const QString& sentence);

    KeptBoardStore m_store;
    View m_view;
    std::optional<BoardState> m_kept;
    std::optional<QByteArray> m_written; // what the file holds as far as this game knows
    QString m_writtenId;                 // and the identity of that board
    QString m_shownId;                   // dealt here, or the resumed board's
    QString m_lastProblem;               // said once, until a write succeeds
    bool m_isShownSubmitted = false;
    QTimer m_saveTimer;
};
