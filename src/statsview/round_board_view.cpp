// SPDX-License-Identifier: GPL-3.0-or-later
#include "statsview/round_board_view.h"

#include <QAccessible>
#include <QMap>
#include <QPainter>

namespace {

constexpr int kCell = 22;
constexpr int kCaption = 20;
constexpr int kGap = 2 * kCell;

struct Cell {
    QString letter; // one character, which may be two UTF-16 units
    QString solution;
    int crossings = 0; // slots through this cell; two at a crossing
    bool isWord = false;
};

using Board = QMap<QPair<int, int>, Cell>;

// Character k of a slot's text, upper-cased one to one as the board does; a space past its end.
QString characterAt(const QList<uint>& characters, int k)
{
    const char32_t character = QChar::toUpper(k < characters.size() ? char32_t(characters[k]) : U' ');
    return QString::fromUcs4(&character, 1);
}

Board cellsOf(const RoundRecord& round)
{
    Board board;
    for (const SlotRecord& slot : round.wordSlots) {
        const QList<uint> letters = slot.letters.toUcs4();
        const QList<uint> solution = slot.solution.toUcs4();
        for (int k = 0; k < 6; ++k) {
            const bool isDown = slot.direction == Direction::Down;
            Cell& cell = board[{slot.x + (isDown ? 0 : k), slot.y + (isDown ? k : 0)}];
            cell.letter = characterAt(letters, k);
            cell.solution = characterAt(solution, k);
            cell.isWord = slot.isWord;
            ++cell.crossings;
        }
    }
    return board;
}

QRect extent(const Board& board)
{
    QRect cells;
    for (auto it = board.keyBegin(); it != board.keyEnd(); ++it)
        cells |= QRect(it->first, it->second, 1, 1);
    return cells;
}

} // namespace

RoundBoardView::RoundBoardView(QWidget* parent)
    : QWidget(parent)
{
    setAccessibleName(tr("Last round"));
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
}

void RoundBoardView::setRound(const std::optional<RoundRecord>& round)
{
    m_round = round;
    QStringList yours;
    QStringList computers;
    if (round) {
        for (const SlotRecord& slot : round->wordSlots) {
            yours << (slot.isWord ? tr("%1 (%2)").arg(slot.letters).arg(slot.score)
                                  : tr("%1 (not a word)").arg(slot.letters.trimmed()));
            computers << slot.solution;
        }
    }
    setAccessibleDescription(round ? tr("Your words: %1. The computer's words: %2.")
                                         .arg(yours.join(QStringLiteral(", ")), computers.join(QStringLiteral(", ")))
                                   : tr("No round yet."));
    updateGeometry();
    update();
}

QSize RoundBoardView::sizeHint() const
{
    const QRect cells = m_round ? extent(cellsOf(*m_round)) : QRect(0, 0, 9, 9);
    return {2 * cells.width() * kCell + kGap + 2, cells.height() * kCell + kCaption + 2};
}

void RoundBoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_round) {
        painter.drawText(rect(), Qt::AlignCenter, tr("No round yet."));
        return;
    }
    const Board board = cellsOf(*m_round);
    const QRect cells = extent(board);
    QFont font = painter.font();
    font.setBold(true);
    for (int side = 0; side < 2; ++side) {
        const QPoint origin(1 + side * (cells.width() * kCell + kGap), kCaption + 1);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(origin.x(), 0, cells.width() * kCell, kCaption), Qt::AlignLeft | Qt::AlignVCenter,
                         side == 0 ? tr("Your letters") : tr("The computer's words"));
        painter.setFont(font);
        for (auto it = board.cbegin(); it != board.cend(); ++it) {
            const QRect square(origin.x() + (it.key().first - cells.left()) * kCell,
                               origin.y() + (it.key().second - cells.top()) * kCell, kCell, kCell);
            const Cell& cell = it.value();
            const bool isCrossing = cell.crossings > 1;
            painter.fillRect(square, isCrossing ? QColor(0xd8, 0xd8, 0xd8) : QColor(Qt::white));
            painter.setPen(QColor(0x80, 0x80, 0x80));
            painter.drawRect(square.adjusted(0, 0, -1, -1));
            QColor ink(Qt::black);
            if (side == 0 && !isCrossing)
                ink = cell.isWord ? QColor(0x00, 0x80, 0x00) : QColor(0xc0, 0x00, 0x00);
            painter.setPen(ink);
            painter.drawText(square, Qt::AlignCenter, side == 0 && !isCrossing ? cell.letter : cell.solution);
        }
        painter.setFont(QWidget::font());
    }
}
