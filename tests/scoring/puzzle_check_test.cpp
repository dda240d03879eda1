#include "scoring/puzzle_check.h"

#include "app/app_delegate.h"
#include "board/board_layout.h"
#include "cells/cell_look.h"
#include "cells/my_text_field.h"
#include "stats/user_stats.h"
#include "support/board_fixtures.h"
#include "support/globals.h"
#include "window/window_handle.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <string>

namespace {

QWidget* const viaFocus = nullptr;

class PuzzleCheckTest : public GameTest {
protected:
    void layOut(const PuzzleWords& puzzle)
    {
        m_delegate.window()->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_delegate.window()));
        gWindow = m_delegate.window();
        layOutBoard(puzzle, m_delegate.window());
    }

    static void fill(int32_t x, int32_t y, int32_t dx, int32_t dy, const char* letters)
    {
        for (int32_t k = 0; letters[k]; ++k) {
            if (letters[k] != '.')
                fieldAt(x + k * dx, y + k * dy)->setText(QString(QChar(letters[k])));
        }
    }

    std::string check()
    {
        testing::internal::CaptureStdout();
        m_delegate.CheckAllWords(nullptr);
        return testing::internal::GetCapturedStdout();
    }

    QString shownScore() const { return m_delegate.theScore->text(); }

    AppDelegate m_delegate;
};

PuzzleWords alpacaBoard()
{
    return puzzleOf({"alpaca", "alpaca", "alpaca", "alpaca", "alpaca"}, 0, 0, 0);
}

TEST_F(PuzzleCheckTest, UntouchedBoardRejectsEverySlotAndColoursNothing)
{
    layOut(workedExample());
    EXPECT_EQ(check(), "'' is not a word.\n"
                       "'' is not a word.\n"
                       "'A' is not a word.\n"
                       "'' is not a word.\n"
                       "'N' is not a word.\n");
    EXPECT_EQ(shownScore(), "0");
    EXPECT_EQ(gPuzzleStats.wordsMade, 0);
    EXPECT_EQ(gPuzzleStats.roundScore, 0);
    EXPECT_EQ(textColor(fieldAt(2, 0)), kInputTextColour);
    EXPECT_EQ(textColor(fieldAt(1, 0)), kFixedTextColour);
}

TEST_F(PuzzleCheckTest, TypedWordIsGreenScoredAndTheBestWord)
{
    layOut(workedExample());
    QTest::keyClicks(viaFocus, "grden");
    const std::string messages = check();
    EXPECT_EQ(messages.substr(0, messages.find('\n', messages.find('\n') + 1) + 1),
              "'GARDEN' is a word.\n   New best word!\n");
    EXPECT_TRUE(messages.ends_with("New best round score!\n")) << messages;
    for (int32_t x : {0, 2, 3, 4, 5})
        EXPECT_EQ(textColor(fieldAt(x, 0)), kValidWordColour) << x;
    EXPECT_EQ(textColor(fieldAt(1, 0)), kFixedTextColour);
    EXPECT_EQ(shownScore(), "8");
    EXPECT_EQ(gPuzzleStats.wordsMade, 1);
    EXPECT_EQ(gPuzzleStats.wordScores[0], 8);
    EXPECT_EQ(gPuzzleStats.roundScore, 8);
    EXPECT_STREQ(gCurrStats.bestWord, "GARDEN");
    EXPECT_EQ(gCurrStats.bestWordScore, 8);
    EXPECT_EQ(gCurrStats.bestRoundScore, 8);
}

TEST_F(PuzzleCheckTest, NonWordsAndPartWordsAreRedWithTheirLettersSoFar)
{
    layOut(workedExample());
    fill(0, 3, 1, 0, "C.XSE.");  // CHXSEN
    fill(3, 8, 1, 0, "OI");      // OIL, then an empty cell
    const std::string messages = check();
    EXPECT_NE(messages.find("'CHXSEN' is not a word.\n"), std::string::npos);
    EXPECT_NE(messages.find("'OIL' is not a word.\n"), std::string::npos);
    for (int32_t x : {0, 2, 3, 4})
        EXPECT_EQ(textColor(fieldAt(x, 3)), kInvalidWordColour) << x;
    EXPECT_EQ(textColor(fieldAt(5, 3)), kFixedTextColour);
    EXPECT_EQ(textColor(fieldAt(3, 8)), kInvalidWordColour);
    EXPECT_EQ(textColor(fieldAt(6, 8)), kInputTextColour);
    EXPECT_EQ(textColor(fieldAt(5, 8)), kFixedTextColour);
    EXPECT_EQ(shownScore(), "0");
}

TEST_F(PuzzleCheckTest, SameWordInEverySlotScoresEveryTimeDownBeforeAcross)
{
    layOut(alpacaBoard());
    fill(0, 0, 1, 0, ".LPACA");
    fill(0, 0, 0, 1, ".LP.CA");
    fill(0, 3, 1, 0, ".LPAC.");
    fill(5, 3, 0, 1, ".LPAC.");
    fill(5, 8, 1, 0, ".LPACA");
    EXPECT_EQ(check(), "'ALPACA' is a word.\n   New best word!\n"
                       "'ALPACA' is a word.\n"
                       "'ALPACA' is a word.\n"
                       "'ALPACA' is a word.\n"
                       "'ALPACA' is a word.\n"
                       "New best round score!\n");
    EXPECT_EQ(gPuzzleStats.wordsMade, 5);
    EXPECT_EQ(gPuzzleStats.roundScore, 50);
    for (int32_t score : gPuzzleStats.wordScores)
        EXPECT_EQ(score, 10);
    EXPECT_EQ(shownScore(), "50");
}

TEST_F(PuzzleCheckTest, CheckingAgainRepeatsAllButTheNewBests)
{
    layOut(workedExample());
    fill(0, 0, 1, 0, "G.RDEN");
    const std::string first = check();
    const std::string second = check();
    EXPECT_NE(first.find("New best"), std::string::npos);
    EXPECT_EQ(second.find("New best"), std::string::npos);
    EXPECT_EQ(gPuzzleStats.wordsMade, 1);
    EXPECT_EQ(gPuzzleStats.roundScore, 8);
    EXPECT_EQ(shownScore(), "8");
}

TEST_F(PuzzleCheckTest, EqualScoreIsNoNewBest)
{
    layOut(workedExample());
    gCurrStats.bestWordScore = 8;
    gCurrStats.bestRoundScore = 8;
    std::strcpy(gCurrStats.bestWord, "PLANET");
    fill(0, 0, 1, 0, "G.RDEN");
    EXPECT_EQ(check().find("New best"), std::string::npos);
    EXPECT_STREQ(gCurrStats.bestWord, "PLANET");
}

TEST_F(PuzzleCheckTest, AcrossWordOfASharedStartCanSetTheBestWord)
{
    layOut(alpacaBoard());
    fill(0, 0, 1, 0, ".LPACA");
    const std::string messages = check();
    EXPECT_EQ(messages.rfind("'A' is not a word.\n'ALPACA' is a word.\n   New best word!\n", 0), 0u) << messages;
    EXPECT_STREQ(gCurrStats.bestWord, "ALPACA");
}

TEST_F(PuzzleCheckTest, OnlyTheFirstCharacterOfACellCounts)
{
    layOut(workedExample());
    fill(0, 0, 1, 0, "G.RDEN");
    fieldAt(2, 0)->setText(QStringLiteral("RXY"));
    EXPECT_EQ(check().rfind("'GARDEN' is a word.\n", 0), 0u);
}

TEST_F(PuzzleCheckTest, CheckAllWordsButtonRunsTheCheck)
{
    layOut(workedExample());
    fill(0, 0, 1, 0, "G.RDEN");
    auto* button = m_delegate.window()->findChild<QPushButton*>(QStringLiteral("checkAllWordsButton"));
    ASSERT_NE(button, nullptr);
    testing::internal::CaptureStdout();
    QTest::mouseClick(button, Qt::LeftButton);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(shownScore(), "8");
}

} // namespace
