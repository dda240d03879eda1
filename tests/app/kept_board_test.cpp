// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_test.h"

#include "app/preferences_dialog.h"
#include "keep/kept_board_store.h"
#include "prefs/preferences.h"
#include "resume/board_keeper.h"
#include "resume/board_reading.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>

namespace {

const std::string kNothingKept = "No board is kept to resume.\n";

class KeptBoardTest : public GameFixture {
protected:
    // Types `letter` into an input cell of a dealt board, as the player would; returns the cell.
    static std::pair<int32_t, int32_t> type(char letter)
    {
        const std::pair<int32_t, int32_t> cell(gGrid[0][0].editable ? 0 : 1, 0);
        QTest::keyClick(fieldAt(cell.first, cell.second), letter);
        return cell;
    }

    auto shownWords() const { return readShownBoard().value_or(BoardState {}).words; }
};

// A keystroke reaches the file without waiting for quit; the next launch offers the board (or
// shows it, when the player asked for that), and New Puzzle and Ctrl+R swap two boards.
TEST_F(KeptBoardTest, UnfinishedBoardSurvivesAKeystrokeQuitAndNewPuzzleAndSwaps)
{
    EXPECT_EQ(launch(), kWelcome);
    const auto first = shownWords();
    QSignalSpy saved(m_game->boardKeeper(), &BoardKeeper::saved);
    const auto [x, y] = type('q');
    ASSERT_TRUE(saved.wait(5000));
    const auto kept = KeptBoardStore(dataHome() + "/sixfold/board.json").load().board;
    ASSERT_TRUE(kept && kept->typed.size() == 1u);
    EXPECT_EQ(std::tuple(kept->typed[0].x, kept->typed[0].y, kept->typed[0].letter), std::tuple(x, y, QStringLiteral("Q")));

    const QString computerScore = m_game->compScore->text();
    EXPECT_NE(launch().find("Ctrl+R"), std::string::npos);
    EXPECT_NE(shownWords(), first);
    press("actionResume");
    EXPECT_TRUE(shownWords() == first && gGrid[x][y].field->text() == "Q" && m_game->compScore->text() == computerScore);

    EXPECT_NE(press("actionNewPuzzle").find("Ctrl+R"), std::string::npos);
    const auto second = shownWords();
    QTest::keyClick(m_game->window(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(shownWords(), first);
    press("actionResume");
    EXPECT_EQ(shownWords(), second);

    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    savePreferences(settings, {WordColours::Standard, true});
    press("actionResume");
    launch();
    EXPECT_TRUE(shownWords() == first && gGrid[x][y].field->text() == "Q");
    EXPECT_EQ(press("actionResume"), kNothingKept);
}

TEST_F(KeptBoardTest, ASubmittedBoardIsNeverResumed)
{
    for (const bool submitsAResumedBoard : {false, true}) {
        launch();
        const auto submitted = shownWords();
        type('q');
        if (submitsAResumedBoard)
            press("actionNewPuzzle"), press("actionResume");
        typeThen("", Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 1);
        press("actionResume");
        EXPECT_NE(shownWords(), submitted);
        EXPECT_EQ(launch().find("Ctrl+R"), std::string::npos);
        EXPECT_EQ(press("actionResume"), kNothingKept);
        EXPECT_FALSE(QFile::exists(dataHome() + "/sixfold/board.json"));
        quit();
        QFile::remove(UserDefaultsStore::standardFilePath());
    }
}

TEST_F(KeptBoardTest, PreferencesChosenInTheDialogAreSavedApartAndRecolourTheBoard)
{
    launch();
    showWorkedExample();
    fieldAt(0, 0)->setText("X");
    press("actionCheckAllWords");
    press("actionPreferences");
    auto* dialog = m_game->window()->findChild<PreferencesDialog*>();
    ASSERT_TRUE(dialog && dialog->chosen() == Preferences {});
    auto* colours = dialog->findChild<QComboBox*>("wordColours");
    colours->setCurrentIndex(colours->findData(static_cast<int>(WordColours::ColourBlindSafe)));
    dialog->findChild<QCheckBox*>("resumesAtLaunch")->setChecked(true);
    dialog->accept();
    EXPECT_EQ(textColor(fieldAt(0, 0)), kSafeInvalidWordColour);
    QSettings settings(configHome() + "/sixfold/sixfold.conf", QSettings::IniFormat);
    EXPECT_EQ(loadPreferences(settings), (Preferences {WordColours::ColourBlindSafe, true}));
    const QByteArray record = fileText(UserDefaultsStore::standardFilePath()); // keeps no preference
    EXPECT_TRUE(record.contains("LastUser") && !record.contains("olour"));
}

} // namespace
