// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/statistics_window/round_board_view.h"

#include "core/board/board_geometry.h"
#include "core/round/hint.h"
#include "core/round/shared_result.h"

#include <QAccessible>
#include <QMap>
#include <QPainter>
#include <QRegularExpression>

namespace {

constexpr int kCell = 22;
constexpr int kCaption = 20;
constexpr int kGap = 2 * kCell;

struct Cell {
    QString letter; // one character, which may be two UTF-16 units
    QString solution;
    QString best;
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

Board cellsOf(const RoundRecord& round, const std::optional<std::array<QString, kRoundSlots>>& bestWords = {})
{
    Board board;
    for (int w = 0; w < kRoundSlots; ++w) {
        const SlotRecord& slot = round.wordSlots[w];
        const QList<uint> letters = slot.letters.toUcs4();
        const QList<uint> solution = slot.solution.toUcs4();
        const QList<uint> best = bestWords ? (*bestWords)[w].toUcs4() : QList<uint>();
        for (int k = 0; k < 6; ++k) {
            const bool isDown = slot.direction == Direction::Down;
            Cell& cell = board[{slot.x + (isDown ? 0 : k), slot.y + (isDown ? k : 0)}];
            cell.letter = characterAt(letters, k);
            cell.solution = characterAt(solution, k);
            cell.best = characterAt(best, k);
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

// The widest and the tallest any dealt board can be.
QSize largestBoard()
{
    QSize largest;
    ChainCrossings chain;
    for (chain.vowelIndex = 0; chain.vowelIndex < kWordLength; ++chain.vowelIndex) {
        for (chain.word2Cross = 0; chain.word2Cross < kWordLength; ++chain.word2Cross) {
            for (chain.word4Cross = 0; chain.word4Cross < kWordLength; ++chain.word4Cross) {
                if (!isValidChain(chain))
                    continue;
                QRect cells;
                for (const Placement& word : placeChain(chain)) {
                    for (int k = 0; k < kWordLength; ++k)
                        cells |= QRect(word.cell(k).x, word.cell(k).y, 1, 1);
                }
                largest = largest.expandedTo(cells.size());
            }
        }
    }
    return largest;
}

} // namespace

RoundBoardView::RoundBoardView(QWidget* parent)
    : QWidget(parent)
{
    setAccessibleName(tr("Last round"));
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
}

void RoundBoardView::setRound(const std::optional<RoundRecord>& round, const QString& absence)
{
    m_round = round;
    m_absence = absence;
    describe();
}

QString RoundBoardView::absenceText() const
{
    return m_absence.isEmpty() ? tr("No round yet: the last round you submit is redrawn here.") : m_absence;
}

void RoundBoardView::describe()
{
    QStringList yours;
    QStringList computers;
    if (m_round) {
        for (const SlotRecord& slot : m_round->wordSlots) {
            //: A word the player made and its score: "GARDEN (12)".
            yours << (slot.isWord ? tr("%1 (%2)").arg(slot.letters).arg(slot.score)
                                  : tr("%1 (not a word)").arg(slot.letters.trimmed()));
            computers << slot.solution;
        }
    }
    QString description = m_round ? tr("Your total %1, the computer's %2: %3. Your words: %4. The computer's words: %5.")
                                        .arg(m_round->roundScore)
                                        .arg(m_round->computerScore)
                                        .arg(roundMargin(m_round->roundScore, m_round->computerScore), yours.join(QStringLiteral(", ")),
                                             computers.join(QStringLiteral(", ")))
                                  : absenceText();
    if (m_round && m_bestWords) {
        QStringList best(m_bestWords->begin(), m_bestWords->end());
        best.replaceInStrings(QRegularExpression(QStringLiteral("^$")), tr("none fitted"));
        const std::optional<int> bestPossible = m_round->knownBestPossible();
        description += u' '
            + (bestPossible ? tr("Best possible %1: %2.").arg(*bestPossible).arg(best.join(QStringLiteral(", ")))
                            : tr("Best words: %1.").arg(best.join(QStringLiteral(", "))));
    }
    if (m_round && m_round->hints > 0)
        description += u' ' + hintsTaken(m_round->hints);
    setAccessibleDescription(description);
    updateGeometry();
    update();
}

void RoundBoardView::setBestWords(const std::optional<std::array<QString, kRoundSlots>>& words)
{
    m_bestWords = words;
    describe();
}

void RoundBoardView::setColours(const BoardPalette& colours)
{
    m_colours = colours;
    update();
}

QSize RoundBoardView::sizeHint() const
{
    static const QSize largest = largestBoard();
    const QSize cells = m_round ? largest.expandedTo(extent(cellsOf(*m_round)).size()) : largest;
    const int sides = m_bestWords ? 3 : 2;
    return {sides * cells.width() * kCell + (sides - 1) * kGap + 2, cells.height() * kCell + kCaption + 2};
}

void RoundBoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_round) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, absenceText());
        return;
    }
    const Board board = cellsOf(*m_round, m_bestWords);
    const QRect cells = extent(board);
    QFont font = painter.font();
    font.setBold(true);
    const std::optional<int> best = m_round->knownBestPossible();
    const QString captions[] = {tr("Yours: %1").arg(m_round->roundScore), tr("The computer's: %1").arg(m_round->computerScore),
                                best ? tr("Best possible: %1").arg(*best) : tr("Best words")};
    for (int side = 0; side < (m_bestWords ? 3 : 2); ++side) {
        const QPoint origin(1 + side * (cells.width() * kCell + kGap), kCaption + 1);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(origin.x(), 0, cells.width() * kCell + kGap, kCaption), Qt::AlignLeft | Qt::AlignVCenter,
                         captions[side]);
        painter.setFont(font);
        for (auto it = board.cbegin(); it != board.cend(); ++it) {
            const QRect square(origin.x() + (it.key().first - cells.left()) * kCell,
                               origin.y() + (it.key().second - cells.top()) * kCell, kCell, kCell);
            const Cell& cell = it.value();
            const bool isCrossing = cell.crossings > 1;
            const bool isYours = side == 0 && !isCrossing;
            painter.fillRect(square, m_colours.cell);
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawRect(square.adjusted(0, 0, -1, -1));
            const QColor ink = isCrossing ? m_colours.fixedText
                : isYours                 ? (cell.isWord ? m_colours.word : m_colours.nonWord)
                                          : m_colours.inputText;
            painter.setPen(ink);
            painter.drawText(square, Qt::AlignCenter, isYours ? cell.letter : side == 2 && !isCrossing ? cell.best : cell.solution);
            if (isYours && !cell.letter.trimmed().isEmpty()) {
                // The marks of the board, so that colour is never the only sign.
                painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::FlatCap));
                const int y = cell.isWord ? square.bottom() - 2 : square.center().y();
                const int inset = cell.isWord ? 6 : 3;
                painter.drawLine(square.left() + inset, y, square.right() - inset, y);
            }
        }
        painter.setFont(QWidget::font());
    }
}
