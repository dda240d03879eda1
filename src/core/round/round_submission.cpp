// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/round_submission.h"

#include "core/platform/log_console.h"
#include "core/player/stats_persistence.h"
#include "core/player/user_stats.h"
#include "core/round/board_check.h"
#include "core/round/game_model.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr int kListedRows = 10;

// The computer's letter at `cell`, or a space where no word lies.
char solutionLetter(const BoardState& board, BoardCell cell)
{
    for (const PlacedWord& word : board.words) {
        if (const int index = word.place.indexOf(cell); index >= 0 && index < word.letters.size())
            return word.letters[index].toLatin1();
    }
    return ' ';
}

} // namespace

void foldRoundIntoStats(int32_t computerScore)
{
    submitRound({.score = gPuzzleStats.roundScore, .computerScore = computerScore, .wordsMade = gPuzzleStats.wordsMade, .puzzles = 1});
}

void displayComputerWords()
{
    const std::optional<BoardState>& board = gameModel().board();
    printMessage(QCoreApplication::translate("Submit", "Computer Words for Previous Puzzle: \n"));
    for (int y = 0; y < kListedRows; ++y) {
        QByteArray row("  ");
        for (int x = 0; x < kBoardSize; ++x)
            row += board ? solutionLetter(*board, {x, y}) : ' ';
        myPrintf("%s\n", row.constData());
    }
}

QString computerWordsSentence(const BoardState& board)
{
    const ChainPlacements places = placementsOf(board);
    QStringList words;
    for (int w = 0; w < static_cast<int>(board.words.size()); ++w)
        words << QStringLiteral("%1, %2").arg(wordName(places, w), board.words[static_cast<size_t>(w)].letters.toLower());
    return QCoreApplication::translate("Submit", "The computer's words: %1.").arg(words.join(QStringLiteral("; ")));
}
