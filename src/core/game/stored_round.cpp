// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game/stored_round.h"

#include "core/round/board_best.h"
#include "core/round/hint.h"
#include "core/round/lexicon.h"

#include <algorithm>

std::optional<BoardState> boardOf(const RoundRecord& round)
{
    BoardState board;
    for (int w = 0; w < kWordCount; ++w) {
        const SlotRecord& slot = round.wordSlots[w];
        board.words[w] = {slot.solution.toLower(), {{slot.x, slot.y}, slot.direction}};
    }
    if (!chainOf(placementsOf(board)))
        return std::nullopt;
    const std::vector<BoardCell> crossings = crossingCells(board);
    for (int w = 0; w < kWordCount; ++w) {
        const SlotRecord& slot = round.wordSlots[w];
        const QList<uint> letters = slot.letters.toUcs4(); // a letter may be two UTF-16 units
        for (int k = 0; k < kWordLength && k < letters.size(); ++k) {
            const BoardCell cell = board.words[w].place.cell(k);
            const char32_t letter = letters[k];
            if (letter != U' ' && std::find(crossings.begin(), crossings.end(), cell) == crossings.end())
                board.typed.push_back({cell.x, cell.y, QString::fromUcs4(&letter, 1), slot.isWord ? Verdict::Word : Verdict::NotWord});
        }
    }
    board.computerScore = round.computerScore;
    board.playerScore = round.roundScore;
    board.hints = round.hints;
    return board;
}

std::optional<int> bestPossibleOf(const RoundRecord& round)
{
    const std::optional<BoardState> board = boardOf(round);
    if (!board)
        return std::nullopt;
    const BoardBest best = bestOfBoard(*board, Lexicon::shared());
    // No best is better than a false one, which would be stored with the round.
    return best.isKnown ? std::optional(best.total) : std::nullopt;
}

RoundReview reviewOf(const RoundRecord& round)
{
    const std::optional<BoardState> board = boardOf(round);
    if (!board)
        return {};
    BoardBest best = bestOfBoard(*board, Lexicon::shared(), kReviewedWordsPerSlot);
    best.total = round.bestPossible.value_or(best.total);
    best.isKnown = round.bestPossible ? round.knownBestPossible().has_value() : best.isKnown;
    // The common words ship with the game, so an older round's best with them is worked out again.
    addCommonBest(best, *board, commonWords());
    RoundReview review;
    for (int w = 0; w < kWordCount; ++w) {
        if (!best.fitting[w].empty())
            review.bestWords[w] = QString::fromStdString(best.fitting[w].front().text).toUpper();
    }
    review.text = roundReview(*board, best);
    return review;
}
