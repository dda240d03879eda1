#include "support/globals.h"

#include "app/log_console.h"
#include "app/window_handle.h"
#include "board/grid.h"
#include "scoring/puzzle_check.h"
#include "stats/user_stats.h"
#include "words/word_list.h"

#include <QPlainTextEdit>

#include <cstring>

void resetGlobals()
{
    gTextView = nullptr;
    gWindow = nullptr;
    std::memset(gSixWords, 0, sizeof gSixWords);
    gSixListMax = 1;
    gWordList.reset();
    clearBoard();
    gCurrStats = {};
    gPuzzleStats = {};
}
