// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/points_place.h"

#include <algorithm>
#include <vector>

QRect CellGrid::cellRect(BoardCell cell) const
{
    return {origin + QPoint(cell.x, cell.y) * pitch, QSize(size, size)};
}

namespace {

// The sides of a last cell a word's points may take, the one after the word first.
std::array<QRect, 4> besideLastCell(const Placement& word, const QRect& last, QSize label)
{
    const QRect right(QPoint(last.right() + 2, last.center().y() - label.height() / 2), label);
    const QRect left(QPoint(last.left() - 1 - label.width(), right.top()), label);
    const QRect below(QPoint(last.center().x() - label.width() / 2, last.bottom() + 2), label);
    const QRect above(QPoint(below.left(), last.top() - 1 - label.height()), label);
    if (word.direction == Direction::Across)
        return {right, below, above, left};
    return {below, right, left, above};
}

} // namespace

std::array<QRect, kWordCount> pointsRects(const ChainPlacements& words, const CellGrid& grid, QSize label, const QRect& area)
{
    std::vector<QRect> taken;
    for (const Placement& word : words) {
        for (int k = 0; k < kWordLength; ++k)
            taken.push_back(grid.cellRect(word.cell(k)));
    }
    std::array<QRect, kWordCount> rects;
    for (int i = 0; i < kWordCount; ++i) {
        for (const QRect& side : besideLastCell(words[i], grid.cellRect(words[i].cell(kWordLength - 1)), label)) {
            if (area.contains(side)
                && std::none_of(taken.begin(), taken.end(), [&side](const QRect& other) { return other.intersects(side); })) {
                rects[i] = side;
                taken.push_back(side);
                break;
            }
        }
    }
    return rects;
}
