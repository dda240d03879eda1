// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/board_geometry.h"

#include <algorithm>
#include <numeric>

BoardCell Placement::cell(int index) const
{
    return direction == Direction::Across ? BoardCell {start.x + index, start.y} : BoardCell {start.x, start.y + index};
}

int Placement::indexOf(BoardCell cell) const
{
    const int along = direction == Direction::Across ? cell.x - start.x : cell.y - start.y;
    const bool inLine = direction == Direction::Across ? cell.y == start.y : cell.x == start.x;
    return inLine && along >= 0 && along < kWordLength ? along : -1;
}

bool isValidChain(const ChainCrossings& chain)
{
    return chain.vowelIndex >= 0 && chain.vowelIndex < kWordLength
        && chain.word2Cross >= 0 && chain.word2Cross <= chain.vowelIndex && chain.word2Cross < kWordLength - 1
        && chain.word4Cross >= 0 && chain.word4Cross < kWordLength;
}

ChainPlacements placeChain(const ChainCrossings& chain)
{
    const int v = chain.vowelIndex;
    const int x2 = v - chain.word2Cross;
    const int x3 = x2 + kWordLength - 1;
    const int y2 = kWord1CrossIndex;
    const int y4 = y2 + kWordLength - 1;
    return {{{{0, 0}, Direction::Across},
             {{v, 0}, Direction::Down},
             {{x2, y2}, Direction::Across},
             {{x3, y2}, Direction::Down},
             {{x3 - chain.word4Cross, y4}, Direction::Across}}};
}

std::optional<ChainCrossings> chainOf(const ChainPlacements& words)
{
    const ChainCrossings chain {words[1].start.x, words[1].start.x - words[2].start.x,
                                words[3].start.x - words[4].start.x};
    if (!isValidChain(chain) || placeChain(chain) != words)
        return std::nullopt;
    return chain;
}

std::array<BoardCell, kCrossingCount> crossingCells(const ChainCrossings& chain)
{
    const ChainPlacements words = placeChain(chain);
    return {words[1].start, words[1].cell(kWord1CrossIndex), words[3].start, words[3].cell(kWordLength - 1)};
}

std::array<int, kWordCount> checkingOrder(const ChainPlacements& words)
{
    std::array<int, kWordCount> order;
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&words](int a, int b) {
        const Placement& p = words[a];
        const Placement& q = words[b];
        if (p.start != q.start)
            return p.start < q.start;
        return p.direction == Direction::Down && q.direction == Direction::Across;
    });
    return order;
}
