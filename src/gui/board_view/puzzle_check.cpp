// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/puzzle_check.h"

#include "gui/board_view/cell_look.h"
#include "core/platform/log_console.h"
#include "core/round/game_model.h"
#include "core/board/word_score.h"
#include "core/player/user_stats.h"
#include "core/dictionary/dictionary_check.h"

#include <cstring>

PuzzleStats gPuzzleStats;

namespace {

struct Step {
    int32_t dx;
    int32_t dy;
};

Step stepOf(int32_t direction)
{
    return direction == DirAcross ? Step {1, 0} : Step {0, 1};
}

SlotSnapshot readSlot(int32_t x, int32_t y, int32_t direction, int32_t length)
{
    SlotSnapshot slot;
    slot.x = x;
    slot.y = y;
    slot.direction = direction;
    slot.length = std::min(length, gWordSize);
    const Step step = stepOf(direction);
    for (int32_t k = 0; k < slot.length; ++k) {
        const int32_t cx = x + k * step.dx;
        const int32_t cy = y + k * step.dy;
        if (cx >= gGridSize || cy >= gGridSize)
            break;
        if (gGrid[cx][cy].field) {
            slot.hasField[k] = true;
            slot.cells[k] = gameModel().letterAt({cx, cy});
        }
    }
    return slot;
}

// What a slot spells: each cell's first character, kept whole so that a letter beyond ASCII
// reaches the console as typed, up to the first position without a field or with an empty
// field. `isJudged` tells whether six cells each hold an ASCII character; only then does the
// dictionary judge the slot, on its whole text, hyphen or apostrophe included ("E-MAIL",
// "DIDN'T"). Scores and the best word count bytes, so a character beyond ASCII never makes a
// word; nor does white space at either end, which the dictionary would pass over and so judge
// less than the slot (" HOUSE").
struct SlotText {
    QString shown;
    bool isJudged = false;
};

SlotText slotText(const SlotSnapshot& slot)
{
    SlotText text;
    text.isJudged = slot.length == gWordSize;
    for (int32_t k = 0; k < slot.length; ++k) {
        const QString& cell = slot.cells[k];
        if (!slot.hasField[k] || cell.isEmpty()) {
            text.isJudged = false;
            break;
        }
        const qsizetype units = cell[0].isHighSurrogate() && cell.size() > 1 ? 2 : 1;
        text.shown += cell.left(units);
        if (cell[0].unicode() > 0x7f)
            text.isJudged = false;
    }
    if (text.shown.trimmed().size() != text.shown.size())
        text.isJudged = false;
    return text;
}

// The model holds the verdicts by word, in chain order; the check reads them by start cell.
void keepVerdicts(const BoardCheck& check)
{
    const std::optional<BoardState>& board = gameModel().board();
    if (!board)
        return;
    std::array<bool, kWordCount> isWord {};
    std::array<int, kWordCount> points {};
    for (size_t i = 0; i < check.board.size() && i < check.verdicts.size(); ++i) {
        const SlotSnapshot& slot = check.board[i];
        const Placement place {{slot.x, slot.y}, slot.direction == DirAcross ? Direction::Across : Direction::Down};
        for (int w = 0; w < kWordCount; ++w) {
            if (board->words[w].place == place)
                isWord[w] = check.verdicts[i].isWord, points[w] = check.verdicts[i].score;
        }
    }
    gameModel().applyCheck(isWord, points, gPuzzleStats.roundScore);
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
        const SlotText text = slotText(slot);
        if (!text.isJudged || !isWord(text.shown)) {
            myPrintf("'%s' is not a word.\n", text.shown.toUtf8().constData());
            verdicts.push_back({});
            continue;
        }
        const QByteArray letters = text.shown.toLatin1();
        myPrintf("'%s' is a word.\n", letters.constData());
        const int32_t score = scoreWord(letters.constData());
        if (score > gCurrStats.bestWordScore) {
            myPrintf("   New best word!\n");
            gCurrStats.bestWordScore = score;
            std::strncpy(gCurrStats.bestWord, letters.constData(), sizeof gCurrStats.bestWord - 1);
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
        const Verdict verdict = verdicts[i].isWord ? Verdict::Word : Verdict::NotWord;
        const Step step = stepOf(slot.direction);
        for (int32_t k = 0; k < slot.length; ++k) {
            const int32_t cx = slot.x + k * step.dx;
            const int32_t cy = slot.y + k * step.dy;
            if (cx >= gGridSize || cy >= gGridSize)
                break;
            const GridCell& cell = gGrid[cx][cy];
            if (!cell.editable || !cell.field)
                continue;
            if (!slot.cells[k].isEmpty())
                showVerdict(cell.field.get(), verdict);
            describeVerdict(cell.field.get(), verdict);
        }
    }
}

int32_t checkBoardWords(BoardCheck* check)
{
    BoardCheck local;
    BoardCheck& result = check ? *check : local;
    result.board = readBoardSnapshot();
    result.verdicts = judgeBoard(result.board);
    // Coloured first: the model's news of the points adds to what the colouring describes.
    colourBoard(result.board, result.verdicts);
    keepVerdicts(result);
    return gPuzzleStats.roundScore;
}

void recordRoundScore(int32_t roundTotal)
{
    if (roundTotal > gCurrStats.bestRoundScore) {
        myPrintf("New best round score!\n");
        gCurrStats.bestRoundScore = roundTotal;
    }
}
