#include "scoring/puzzle_check.h"

#include "app/log_console.h"
#include "board/grid.h"
#include "cells/cell_look.h"
#include "scoring/dictionary_check.h"
#include "scoring/word_score.h"
#include "stats/user_stats.h"

#include <cstring>

PuzzleStats gPuzzleStats;

namespace {

// One slot's letters as the fields show them, and the fields of its input cells.
struct SlotWord {
    char letters[32] = {};
    myTextField* fields[gWordSize] = {};
};

struct Direction {
    int32_t dx;
    int32_t dy;
};
constexpr Direction kAcross {1, 0};
constexpr Direction kDown {0, 1};

// Only the first byte of a field's text counts; the letters stop at the first empty cell.
void readWord(int32_t x, int32_t y, Direction direction, int32_t length, SlotWord& word)
{
    for (int32_t k = 0; k < length && k < gWordSize; ++k) {
        const int32_t cx = x + k * direction.dx;
        const int32_t cy = y + k * direction.dy;
        if (cx >= gGridSize || cy >= gGridSize) {
            word.letters[k] = 0;
            break;
        }
        const GridCell& cell = gGrid[cx][cy];
        word.fields[k] = cell.editable ? cell.field.get() : nullptr;
        if (cell.field) {
            word.letters[k] = cell.field->text().toUtf8().constData()[0];
            word.letters[k + 1] = 0;
        } else {
            word.letters[k] = 0;
        }
    }
}

void colourTypedLetters(const SlotWord& word, const QColor& colour)
{
    for (myTextField* field : word.fields) {
        if (field && !field->text().isEmpty())
            setTextColor(field, colour);
    }
}

class BoardCheck {
public:
    void judge(const SlotWord& word, int32_t wordLength)
    {
        const bool valid = isWord(QString::fromUtf8(word.letters))
            && static_cast<int32_t>(std::strlen(word.letters)) == wordLength;
        if (!valid) {
            myPrintf("'%s' is not a word.\n", word.letters);
            colourTypedLetters(word, kInvalidWordColour);
            return;
        }
        myPrintf("'%s' is a word.\n", word.letters);
        const int32_t score = scoreWord(word.letters);
        if (score > gCurrStats.bestWordScore) {
            myPrintf("   New best word!\n");
            gCurrStats.bestWordScore = score;
            std::strncpy(gCurrStats.bestWord, word.letters, sizeof gCurrStats.bestWord - 1);
            gCurrStats.bestWord[sizeof gCurrStats.bestWord - 1] = 0;
        }
        m_roundTotal += score;
        gPuzzleStats.roundScore += score;
        gPuzzleStats.wordsMade += 1;
        if (m_validWords < static_cast<int32_t>(std::size(gPuzzleStats.wordScores)))
            gPuzzleStats.wordScores[m_validWords] = score;
        colourTypedLetters(word, kValidWordColour);
        ++m_validWords;
    }

    void checkSlotsAt(int32_t x, int32_t y)
    {
        const GridCell& start = gGrid[x][y];
        if (start.direction == DirAcross || start.direction == DirDown) {
            readWord(x, y, start.direction == DirAcross ? kAcross : kDown, start.wordLength, m_word);
            judge(m_word, start.wordLength);
        } else if (start.direction == DirBoth) {
            readWord(x, y, kAcross, start.wordLength, m_word);
            m_acrossWord = m_word;
            readWord(x, y, kDown, start.wordLength, m_word);
            judge(m_word, start.wordLength);
            judge(m_acrossWord, start.wordLength);
        }
    }

    int32_t roundTotal() const { return m_roundTotal; }

private:
    SlotWord m_word;
    SlotWord m_acrossWord;
    int32_t m_roundTotal = 0;
    int32_t m_validWords = 0;
};

} // namespace

int32_t checkBoardWords()
{
    gPuzzleStats = {};
    BoardCheck check;
    for (int32_t x = 0; x < gGridSize; ++x) {
        for (int32_t y = 0; y < gGridSize; ++y) {
            if (gGrid[x][y].wordStart != 0)
                check.checkSlotsAt(x, y);
        }
    }
    return check.roundTotal();
}

void recordRoundScore(int32_t roundTotal)
{
    if (roundTotal > gCurrStats.bestRoundScore) {
        myPrintf("New best round score!\n");
        gCurrStats.bestRoundScore = roundTotal;
    }
}
