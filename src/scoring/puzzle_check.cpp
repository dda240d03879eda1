#include "scoring/puzzle_check.h"

#include "cells/cell_look.h"
#include "console/log_console.h"
#include "scoring/word_score.h"
#include "stats/user_stats.h"
#include "words/dictionary_check.h"

#include <QLineEdit>

#include <cstring>

PuzzleStats gPuzzleStats;

namespace {

struct Direction {
    int32_t dx;
    int32_t dy;
};

Direction stepOf(int32_t direction)
{
    return direction == DirAcross ? Direction {1, 0} : Direction {0, 1};
}

SlotSnapshot readSlot(int32_t x, int32_t y, int32_t direction, int32_t length)
{
    SlotSnapshot slot;
    slot.x = x;
    slot.y = y;
    slot.direction = direction;
    slot.length = std::min(length, gWordSize);
    const Direction step = stepOf(direction);
    for (int32_t k = 0; k < slot.length; ++k) {
        const int32_t cx = x + k * step.dx;
        const int32_t cy = y + k * step.dy;
        if (cx >= gGridSize || cy >= gGridSize)
            break;
        const GridCell& cell = gGrid[cx][cy];
        if (cell.field) {
            slot.hasField[k] = true;
            slot.cells[k] = cell.field->text();
        }
    }
    return slot;
}

// Only the first byte of a cell's text counts; the letters stop at the first position
// without a field or with an empty field.
void slotLetters(const SlotSnapshot& slot, char (&letters)[32])
{
    std::memset(letters, 0, sizeof letters);
    for (int32_t k = 0; k < slot.length; ++k) {
        if (!slot.hasField[k])
            return;
        letters[k] = slot.cells[k].toUtf8().constData()[0];
        if (letters[k] == 0)
            return;
    }
}

} // namespace

BoardSnapshot readBoardSnapshot()
{
    BoardSnapshot board;
    for (int32_t x = 0; x < gGridSize; ++x) {
        for (int32_t y = 0; y < gGridSize; ++y) {
            const GridCell& start = gGrid[x][y];
            if (start.wordStart == 0)
                continue;
            if (start.direction == DirAcross || start.direction == DirDown) {
                board.push_back(readSlot(x, y, start.direction, start.wordLength));
            } else if (start.direction == DirBoth) {
                board.push_back(readSlot(x, y, DirDown, start.wordLength));
                board.push_back(readSlot(x, y, DirAcross, start.wordLength));
            }
        }
    }
    return board;
}

std::vector<SlotVerdict> judgeBoard(const BoardSnapshot& board)
{
    gPuzzleStats = {};
    std::vector<SlotVerdict> verdicts;
    for (const SlotSnapshot& slot : board) {
        char letters[32];
        slotLetters(slot, letters);
        const bool valid = isWord(QString::fromUtf8(letters))
            && static_cast<int32_t>(std::strlen(letters)) == slot.length;
        if (!valid) {
            myPrintf("'%s' is not a word.\n", letters);
            verdicts.push_back({});
            continue;
        }
        myPrintf("'%s' is a word.\n", letters);
        const int32_t score = scoreWord(letters);
        if (score > gCurrStats.bestWordScore) {
            myPrintf("   New best word!\n");
            gCurrStats.bestWordScore = score;
            std::strncpy(gCurrStats.bestWord, letters, sizeof gCurrStats.bestWord - 1);
            gCurrStats.bestWord[sizeof gCurrStats.bestWord - 1] = 0;
        }
        if (gPuzzleStats.wordsMade < static_cast<int32_t>(std::size(gPuzzleStats.wordScores)))
            gPuzzleStats.wordScores[gPuzzleStats.wordsMade] = score;
        gPuzzleStats.roundScore += score;
        gPuzzleStats.wordsMade += 1;
        verdicts.push_back({true, score});
    }
    return verdicts;
}

void colourBoard(const BoardSnapshot& board, const std::vector<SlotVerdict>& verdicts)
{
    for (size_t i = 0; i < board.size() && i < verdicts.size(); ++i) {
        const SlotSnapshot& slot = board[i];
        const LetterVerdict verdict = verdicts[i].isWord ? LetterVerdict::Word : LetterVerdict::NotWord;
        const Direction step = stepOf(slot.direction);
        for (int32_t k = 0; k < slot.length; ++k) {
            const int32_t cx = slot.x + k * step.dx;
            const int32_t cy = slot.y + k * step.dy;
            if (cx >= gGridSize || cy >= gGridSize)
                break;
            const GridCell& cell = gGrid[cx][cy];
            if (cell.editable && cell.field && !cell.field->text().isEmpty())
                showVerdict(cell.field.get(), verdict);
        }
    }
}

int32_t checkBoardWords()
{
    const BoardSnapshot board = readBoardSnapshot();
    const std::vector<SlotVerdict> verdicts = judgeBoard(board);
    colourBoard(board, verdicts);
    return gPuzzleStats.roundScore;
}

void recordRoundScore(int32_t roundTotal)
{
    if (roundTotal > gCurrStats.bestRoundScore) {
        myPrintf("New best round score!\n");
        gCurrStats.bestRoundScore = roundTotal;
    }
}
