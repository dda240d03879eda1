// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/board_state.h"

#include "core/board/word_score.h"

ChainPlacements placementsOf(const BoardState& board)
{
    ChainPlacements places;
    for (int i = 0; i < kWordCount; ++i)
        places[i] = board.words[i].place;
    return places;
}

std::vector<BoardCell> crossingCells(const BoardState& board)
{
    const std::optional<ChainCrossings> chain = chainOf(placementsOf(board));
    if (!chain)
        return {};
    const auto cells = crossingCells(*chain);
    return {cells.begin(), cells.end()};
}

int computerScoreOf(const BoardState& board)
{
    int score = 0;
    for (const PlacedWord& word : board.words)
        score += scoreWord(word.letters.toLatin1().constData());
    return score;
}
