// SPDX-License-Identifier: GPL-3.0-or-later
#include "resume/board_keeper.h"

#include "console/log_console.h"
#include "grid/grid.h"
#include "resume/board_reading.h"

#include <QLineEdit>

namespace {

bool isWorthKeeping(const std::optional<BoardState>& board)
{
    return board && !board->typed.empty();
}

void report(const QString& sentence)
{
    if (!sentence.isEmpty())
        myPrintf("%s\n", sentence.toUtf8().constData());
}

} // namespace

BoardKeeper::BoardKeeper(KeptBoardStore store, QMainWindow* window, QLabel* computerScore, QLabel* playerScore,
                         QObject* parent)
    : QObject(parent)
    , m_store(std::move(store))
    , m_window(window)
    , m_computerScore(computerScore)
    , m_playerScore(playerScore)
{
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(kSaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, [this] { write(WriteWhen::Changed); });
}

bool BoardKeeper::launch(bool resumes)
{
    KeptBoardStore::Loaded loaded = m_store.load();
    report(loaded.problem);
    m_kept = std::move(loaded.board);
    if (m_kept)
        m_written = writeBoardDocument(*m_kept);
    if (!resumes || !isWorthKeeping(m_kept))
        return false;
    showBoard(*m_kept, m_window, m_computerScore, m_playerScore);
    m_kept.reset();
    watchBoard();
    return true;
}

void BoardKeeper::boardSubmitted()
{
    m_isShownSubmitted = true;
    write(WriteWhen::Changed);
}

void BoardKeeper::boardLeaving()
{
    std::optional<BoardState> shown = shownBoard();
    if (isWorthKeeping(shown))
        m_kept = std::move(shown);
}

void BoardKeeper::boardDealt()
{
    m_isShownSubmitted = false;
    watchBoard();
    write(WriteWhen::Changed);
    if (isWorthKeeping(m_kept))
        myPrintf("A board left unfinished is kept: Ctrl+R (Game > Resume Previous Board) brings it back.\n");
}

void BoardKeeper::boardChanged()
{
    if (!m_saveTimer.isActive())
        m_saveTimer.start();
}

void BoardKeeper::resumeKept()
{
    if (!m_kept) {
        myPrintf("No board is kept to resume.\n");
        return;
    }
    std::optional<BoardState> shown = shownBoard();
    m_isShownSubmitted = false;
    showBoard(*m_kept, m_window, m_computerScore, m_playerScore);
    m_kept = std::move(shown);
    watchBoard();
    write(WriteWhen::Changed);
}

void BoardKeeper::saveNow()
{
    write(WriteWhen::Always);
}

void BoardKeeper::write(WriteWhen when)
{
    m_saveTimer.stop();
    const std::optional<BoardState> shown = shownBoard();
    const std::optional<BoardState>& toKeep = isWorthKeeping(shown) ? shown : m_kept;
    QString problem;
    if (isWorthKeeping(toKeep)) {
        QByteArray bytes = writeBoardDocument(*toKeep);
        if (when == WriteWhen::Changed && bytes == m_written)
            return;
        if (!m_store.save(*toKeep, &problem)) {
            report(problem);
            return;
        }
        m_written = std::move(bytes);
    } else {
        // Only a board this game read or wrote is taken away; another game's stays.
        if (!m_written || m_written->isEmpty())
            return;
        if (!m_store.remove(&problem)) {
            report(problem);
            return;
        }
        m_written = QByteArray();
    }
    emit saved();
}

void BoardKeeper::watchBoard()
{
    for (const auto& column : gGrid) {
        for (const GridCell& cell : column) {
            if (cell.field && cell.editable)
                connect(cell.field.get(), &QLineEdit::textChanged, this, &BoardKeeper::boardChanged, Qt::UniqueConnection);
        }
    }
}

std::optional<BoardState> BoardKeeper::shownBoard() const
{
    if (m_isShownSubmitted)
        return std::nullopt;
    return readShownBoard();
}
