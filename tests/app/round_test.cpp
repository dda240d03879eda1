#include "app/app_delegate.h"

#include "board/board_layout.h"
#include "cells/my_text_field.h"
#include "grid/grid.h"
#include "history/history_database.h"
#include "scoring/puzzle_check.h"
#include "stats/user_stats.h"
#include "support/board_fixtures.h"
#include "support/globals.h"
#include "window/text_field_values.h"
#include "window/window_handle.h"
#include "words/word_list.h"

#include <QAccessible>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

// A launched game, its board replaced by the worked example with a computer score of 40.
class RoundTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        m_delegate.window()->show();
        testing::internal::CaptureStdout();
        m_delegate.applicationDidFinishLaunching(nullptr);
        testing::internal::GetCapturedStdout();
        layOutBoard(workedExample(), m_delegate.window());
        setIntValue(m_delegate.compScore, 40);
    }

    std::string submit()
    {
        testing::internal::CaptureStdout();
        QTest::mouseClick(button("submitButton"), Qt::LeftButton);
        return testing::internal::GetCapturedStdout();
    }

    QPushButton* button(const char* name) const
    {
        return m_delegate.window()->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    static void fillWord(int32_t x, int32_t y, int32_t dx, int32_t dy, const char* letters)
    {
        for (int32_t k = 0; letters[k]; ++k)
            fieldAt(x + k * dx, y + k * dy)->setText(QString(QChar(letters[k])));
    }

    AppDelegate m_delegate;
};

TEST_F(RoundTest, FirstSubmissionFoldsTheRoundIntoTheStatistics)
{
    fillWord(0, 0, 1, 0, "GARDEN"); // 8
    fillWord(3, 8, 1, 0, "SILVER"); // 9
    submit();
    EXPECT_EQ(gCurrStats.totalScores, 17);
    EXPECT_EQ(gCurrStats.totalWordsMade, 2);
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 1);
    EXPECT_EQ(gCurrStats.computerTotalScores, 40);
    EXPECT_EQ(gCurrStats.averageScore, 17.0f);
    EXPECT_EQ(gCurrStats.averageValidWordsPerPuzzle, 2.0f);
    EXPECT_EQ(gCurrStats.averageWordScore, 8.5f);
    EXPECT_EQ(gCurrStats.computerAverage, 40.0f);
    EXPECT_EQ(gCurrStats.bestRoundScore, 17);
    EXPECT_EQ(m_delegate.statsField->text().split(u'\n').value(3), "    Average Word Score: 8.50");

    // The same submission lands in the history, once, slot by slot in the order the words chain.
    HistoryDatabase history(dataHome() + QStringLiteral("/sixfold/history.sqlite"));
    const QList<RoundRecord> rounds = history.allRounds(QString::fromUtf8(gUserName));
    ASSERT_EQ(rounds.size(), 1);
    const RoundRecord& round = rounds.front();
    EXPECT_EQ(round.computerScore, 40);
    EXPECT_EQ(round.roundScore, 17);
    EXPECT_EQ(round.wordsMade, 2);
    const auto slot = [&](int i) {
        const SlotRecord& s = round.wordSlots[static_cast<size_t>(i)];
        return std::tuple(s.solution, s.letters, s.isWord, s.score, s.direction);
    };
    EXPECT_EQ(slot(0), std::tuple(QStringLiteral("garden"), QStringLiteral("GARDEN"), true, 8, SlotDirection::Across));
    EXPECT_EQ(slot(1), std::tuple(QStringLiteral("anchor"), QStringLiteral("A  H  "), false, 0, SlotDirection::Down));
    EXPECT_EQ(slot(4), std::tuple(QStringLiteral("silver"), QStringLiteral("SILVER"), true, 9, SlotDirection::Across));
}

TEST_F(RoundTest, SubmittingAnUntouchedBoardCountsTheRoundOnly)
{
    submit();
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 1);
    EXPECT_EQ(gCurrStats.totalScores, 0);
    EXPECT_EQ(gCurrStats.totalWordsMade, 0);
    EXPECT_EQ(gCurrStats.computerTotalScores, 40);
    EXPECT_EQ(gCurrStats.averageScore, 0.0f);
    EXPECT_EQ(gCurrStats.averageWordScore, 0.0f); // no words yet: no division by zero
    EXPECT_EQ(gCurrStats.computerAverage, 40.0f);
}

TEST_F(RoundTest, ComputerWordsOfTheFinishedPuzzleAreListedBeforeTheNewBoard)
{
    QPointer<myTextField> oldCorner = fieldAt(0, 0);
    const std::string messages = submit();
    const std::string listing = "Computer Words for Previous Puzzle: \n"
                                "  garden              \n"
                                "   n                  \n"
                                "   c                  \n"
                                "  chosen              \n"
                                "   o   o              \n"
                                "   r   r              \n"
                                "       m              \n"
                                "       a              \n"
                                "     silver           \n"
                                "                      \n";
    EXPECT_TRUE(messages.ends_with(listing)) << messages;
    EXPECT_TRUE(oldCorner.isNull());
    EXPECT_NE(fieldAt(0, 0), nullptr);
    EXPECT_EQ(m_delegate.theScore->text(), "0");
    EXPECT_EQ(m_delegate.window()->centralWidget()->findChildren<myTextField*>().size(), 26);
}

TEST_F(RoundTest, NewPuzzleTwiceLeavesTheStatisticsAlone)
{
    fillWord(0, 0, 1, 0, "GARDEN");
    m_delegate.CheckAllWords(nullptr);
    const UserStats before = gCurrStats;
    QTest::mouseClick(button("newPuzzleButton"), Qt::LeftButton);
    QTest::mouseClick(button("newPuzzleButton"), Qt::LeftButton);
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, before.totalPuzzlesSubmitted);
    EXPECT_EQ(gCurrStats.totalScores, before.totalScores);
    EXPECT_EQ(gCurrStats.bestWordScore, 8); // raised by the check, kept
    EXPECT_EQ(m_delegate.theScore->text(), "0");
    EXPECT_EQ(m_delegate.window()->centralWidget()->findChildren<myTextField*>().size(), 26);
}

TEST_F(RoundTest, SubmissionIsSavedAtOnce)
{
    fillWord(0, 0, 1, 0, "GARDEN");
    submit();
    resetGame();
    AppDelegate restarted;
    testing::internal::CaptureStdout();
    restarted.applicationDidFinishLaunching(nullptr);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 1);
    EXPECT_STREQ(gCurrStats.bestWord, "GARDEN");
}

// What a screen reader is told, read the way it reads it.
TEST_F(RoundTest, ScreenReaderHearsScoresStatisticsAndVerdicts)
{
    const auto heard = [](QObject* widget, QAccessible::Text what) {
        return QAccessible::queryAccessibleInterface(widget)->text(what);
    };
    const auto state = [](QObject* widget) { return QAccessible::queryAccessibleInterface(widget)->state(); };
    fillWord(0, 0, 1, 0, "GARDEN");
    m_delegate.CheckAllWords(nullptr);
    EXPECT_EQ(heard(m_delegate.theScore, QAccessible::Name), "Your score: 8");
    EXPECT_EQ(heard(m_delegate.compScore, QAccessible::Name), "Computer's score: 40");
    EXPECT_EQ(heard(m_delegate.window()->findChild<QLabel*>("theScoreLabel"), QAccessible::Name), "Your score");

    const QString stats = heard(m_delegate.statsField, QAccessible::Description);
    EXPECT_EQ(stats, m_delegate.statsField->text());
    EXPECT_EQ(stats.split(u'\n', Qt::SkipEmptyParts).size(), 9) << stats.toStdString();

    EXPECT_TRUE(state(fieldAt(1, 0)).readOnly); // the fixed A of GARDEN and ANCHOR
    EXPECT_FALSE(state(fieldAt(1, 0)).editable);
    EXPECT_TRUE(state(fieldAt(1, 0)).focusable);
    EXPECT_TRUE(state(fieldAt(0, 0)).editable);
    EXPECT_FALSE(state(fieldAt(0, 0)).readOnly);

    EXPECT_EQ(heard(fieldAt(0, 0), QAccessible::Description), "Checked: part of a word");
    EXPECT_EQ(heard(fieldAt(1, 1), QAccessible::Description), "Checked: not part of a word"); // ANCHOR, empty
    EXPECT_EQ(heard(fieldAt(1, 0), QAccessible::Description), "");
    fieldAt(0, 0)->setFocus();
    QTest::keyClick(fieldAt(0, 0), Qt::Key_B);
    EXPECT_EQ(heard(fieldAt(0, 0), QAccessible::Description), ""); // a new letter, not yet checked
}

} // namespace
