#include "support/globals.h"

#include "cells/my_text_field.h"
#include "cells/cell_look.h"
#include "console/log_console.h"
#include "grid/grid.h"
#include "platform/user_defaults_store.h"
#include "scoring/puzzle_check.h"
#include "stats/user_stats.h"
#include "window/console_view.h"
#include "window/window_handle.h"
#include "words/picking.h"
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
    gRandomSource = nullptr;
    clearBoard();
    gCurrStats = {};
    gPuzzleStats = {};
    std::memset(gUserName, 0, sizeof gUserName);
    gPrefsDict.reset();
    myTextField::forgetTabPress();
    gVerdictColours = {};
}

void GameTest::SetUp()
{
    qputenv("XDG_CONFIG_HOME", m_configHome.path().toUtf8());
    qputenv("XDG_DATA_HOME", m_dataHome.path().toUtf8());
    resetGlobals();
}
