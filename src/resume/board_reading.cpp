// SPDX-License-Identifier: GPL-3.0-or-later
#include "resume/board_reading.h"

#include "board/board_layout.h"
#include "board/word_selection.h"
#include "cells/cell_look.h"
#include "grid/grid.h"
#include "window/text_field_values.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cctype>

namespace {

PlacedWord readWord(Placement place)
{
    PlacedWord word {{}, place};
    for (int k = 0; k < gWordSize; ++k) {
        const BoardCell at = place.cell(k);
        const char letter = at.x < gGridSize && at.y < gGridSize ? gGrid[at.x][at.y].solutionLetter : 0;
        word.letters += QChar::fromLatin1(static_cast<char>(std::tolower(static_cast<unsigned char>(letter))));
    }
    return word;
}

} // namespace

std::optional<BoardState> readShownBoard(const QLabel* computerScore, const QLabel* playerScore)
{
    std::vector<PlacedWord> across;
    std::vector<PlacedWord> down;
    BoardState board;
    for (int x = 0; x < gGridSize; ++x) {
        for (int y = 0; y < gGridSize; ++y) {
            const GridCell& cell = gGrid[x][y];
            if (cell.wordStart && (cell.direction == DirAcross || cell.direction == DirBoth))
                across.push_back(readWord({{x, y}, Direction::Across}));
            if (cell.wordStart && (cell.direction == DirDown || cell.direction == DirBoth))
                down.push_back(readWord({{x, y}, Direction::Down}));
            if (cell.field && cell.editable && !cell.field->text().isEmpty())
                board.typed.push_back({x, y, cell.field->text(), shownVerdict(cell.field.get())});
        }
    }
    if (across.size() != 3 || down.size() != 2)
        return std::nullopt;
    const auto byRow = [](const PlacedWord& a, const PlacedWord& b) { return a.place.start.y < b.place.start.y; };
    std::sort(across.begin(), across.end(), byRow);
    std::sort(down.begin(), down.end(), byRow);
    board.words = {across[0], down[0], across[1], down[1], across[2]};
    board.computerScore = computerScore ? std::max(0, intValue(computerScore->text())) : 0;
    board.playerScore = playerScore ? std::max(0, intValue(playerScore->text())) : 0;
    // Only a board that would read back is worth keeping.
    if (!readBoardDocument(writeBoardDocument(board)))
        return std::nullopt;
    return board;
}

void showBoard(const BoardState& board, QMainWindow* window, QLabel* computerScore, QLabel* playerScore)
{
    const std::optional<ChainCrossings> chain = chainOf(placementsOf(board));
    if (!chain)
        return;
    PuzzleWords puzzle {{}, chain->vowelIndex, chain->word2Cross, chain->word4Cross};
    for (int i = 0; i < gNumWords; ++i) {
        const QByteArray letters = board.words[i].letters.toLatin1();
        std::copy_n(letters.constData(), std::min<qsizetype>(letters.size(), 31), puzzle.words[i].begin());
    }
    layOutBoard(puzzle, window);
    for (const TypedCell& typed : board.typed) {
        QLineEdit* field = gGrid[typed.x][typed.y].field.get();
        if (!field || !gGrid[typed.x][typed.y].editable)
            continue;
        // Quietly, so that the field neither upper-cases again nor moves the focus on.
        const bool wasBlocked = field->blockSignals(true);
        field->setText(typed.letter);
        field->blockSignals(wasBlocked);
        showVerdict(field, typed.verdict);
    }
    if (computerScore)
        setIntValue(computerScore, board.computerScore);
    if (playerScore)
        setIntValue(playerScore, board.playerScore);
}
