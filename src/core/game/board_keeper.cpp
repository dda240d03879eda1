// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game/board_keeper.h"

#include "core/platform/log_console.h"
#include "core/round/game_model.h"

#include <QUuid>

#include <utility>

namespace {

bool isWorthKeeping(const std::optional<BoardState>& board)
{
    return board && !board->typed.empty();
}

} // namespace

std::optional<BoardState> readShownBoard()
{
    const std::optional<BoardState>& board = gameModel().board();
    // Only a board that would read back is worth keeping.
    if (!board || !readBoardDocument(writeBoardDocument(*board)))
        return std::nullopt;
    return board;
}

BoardKeeper::BoardKeeper(KeptBoardStore store, int saveDelayMs, QObject* parent)
    : QObject(parent)
    , m_store(std::move(store))
{
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(saveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, [this] { writeKept(WriteWhen::Changed); });
}

bool BoardKeeper::launch(bool resumes)
{
    KeptBoardStore::Loaded loaded = m_store.load();
    tell(loaded.problem);
    m_kept = std::move(loaded.board);
    if (m_kept)
        m_written = writeBoardDocument(*m_kept), m_writtenId = boardIdentity(*m_kept);
    if (!resumes || !isWorthKeeping(m_kept))
        return false;
    showKept(*m_kept);
    m_shownId = boardIdentity(*m_kept);
    m_kept.reset();
    watchBoard();
    return true;
}

bool BoardKeeper::boardSubmitted()
{
    m_isShownSubmitted = true;
    QString problem;
    const bool isFirst = m_store.submit(m_shownId, &problem) != KeptBoardStore::Outcome::Submitted;
    tell(problem);
    if (!isFirst)
        printMessage(tr("This board was submitted already, in another game; it is not scored again.\n"));
    // Gone from the file, or remembered as submitted where it could not be removed.
    if (m_writtenId == m_shownId)
        m_written = QByteArray(), m_writtenId.clear();
    writeKept(WriteWhen::Changed);
    return isFirst;
}

void BoardKeeper::boardLeaving()
{
    std::optional<BoardState> shown = shownBoard();
    if (isWorthKeeping(shown))
        m_kept = std::move(shown);
    m_shownId.clear();
}

void BoardKeeper::boardDealt()
{
    // After a Submit the player has just read the computer's words; the kept board was
    // announced when it was left.
    const bool isAfterSubmit = std::exchange(m_isShownSubmitted, false);
    if (m_shownId.isEmpty())
        m_shownId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    watchBoard();
    writeKept(WriteWhen::Changed);
    if (isWorthKeeping(m_kept) && !isAfterSubmit)
        printMessage(tr("A board left unfinished is kept: Ctrl+R (Game > Resume Previous Board) brings it back.\n"));
}

void BoardKeeper::boardChanged()
{
    if (!m_saveTimer.isActive())
        m_saveTimer.start();
}

void BoardKeeper::resumeKept()
{
    if (!m_kept) {
        printMessage(tr("No board is kept to resume.\n"));
        return;
    }
    if (m_store.isSubmitted(boardIdentity(*m_kept))) {
        m_kept.reset();
        printMessage(tr("The kept board was submitted in another game, so it is not resumed.\n"));
        return;
    }
    std::optional<BoardState> shown = shownBoard();
    m_isShownSubmitted = false;
    showKept(*m_kept);
    m_shownId = boardIdentity(*m_kept);
    m_kept = std::move(shown);
    watchBoard();
    writeKept(WriteWhen::Changed);
}

void BoardKeeper::saveNow()
{
    writeKept(WriteWhen::Always);
}

void BoardKeeper::writeKept(WriteWhen when)
{
    m_saveTimer.stop();
    // A board not worth keeping need not be read back first: a new board's write, at every
    // launch, is then nearly free.
    std::optional<BoardState> shown = isWorthKeeping(gameModel().board()) ? shownBoard() : std::nullopt;
    QString problem;
    for (;;) {
        std::optional<BoardState>& toKeep = isWorthKeeping(shown) ? shown : m_kept;
        if (!isWorthKeeping(toKeep))
            break;
        QByteArray bytes = writeBoardDocument(*toKeep);
        if (when == WriteWhen::Changed && bytes == m_written)
            return;
        switch (m_store.save(*toKeep, &problem)) {
        case KeptBoardStore::Outcome::Done:
            tell(problem);
            m_written = std::move(bytes), m_writtenId = boardIdentity(*toKeep);
            m_lastProblem.clear();
            emit saved();
            return;
        case KeptBoardStore::Outcome::Failed:
            tell(problem);
            return;
        case KeptBoardStore::Outcome::Submitted:
            // Another game submitted it: it is never kept again, nor scored here.
            if (&toKeep == &shown) {
                m_isShownSubmitted = true;
                printMessage(tr("This board was submitted in another game; it is no longer kept and is not scored again.\n"));
            }
            toKeep.reset();
        }
    }
    // Only a board this game read or wrote is taken away; another game's stays.
    if (!m_written || m_written->isEmpty())
        return;
    if (!m_store.remove(m_writtenId, &problem)) {
        tell(problem);
        return;
    }
    m_written = QByteArray(), m_writtenId.clear();
    emit saved();
}

void BoardKeeper::showKept(const BoardState& board)
{
    if (m_view.show)
        m_view.show(board);
}

void BoardKeeper::watchBoard()
{
    if (m_view.watch)
        m_view.watch();
}

std::optional<BoardState> BoardKeeper::shownBoard() const
{
    if (m_isShownSubmitted)
        return std::nullopt;
    std::optional<BoardState> board = readShownBoard();
    if (board)
        board->id = m_shownId;
    return board;
}

// A write fails again at every keystroke while its cause lasts: said once.
void BoardKeeper::tell(const QString& sentence)
{
    if (sentence.isEmpty() || sentence == m_lastProblem)
        return;
    m_lastProblem = sentence;
    myPrintf("%s\n", sentence.toUtf8().constData());
}
