// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_test.h"

#include "app/preferences_dialog.h"
#include "keep/kept_board_store.h"
#include "prefs/preferences.h"
#include "resume/board_keeper.h"
#include "resume/board_reading.h"
#include "support/root_rights.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QProcess>
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

    auto shownWords() const { return readShownBoard(m_game->compScore, m_game->theScore).value_or(BoardDocument {}).words; }
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

    // The file's computer score is not trusted: a resumed board shows that of its words.
    const QString computerScore = m_game->compScore->text();
    quit();
    KeptBoardStore store(dataHome() + "/sixfold/board.json");
    BoardDocument tampered = *store.load().board;
    tampered.computerScore = 1000000;
    store.save(tampered);
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

// Resumed or not, and from a data folder the game may not write (without root's rights): the
// board that cannot be removed is remembered as submitted, the message says why.
TEST_F(KeptBoardTest, ASubmittedBoardIsNeverResumed)
{
    const QString folder = dataHome() + "/sixfold";
    for (const int row : {2, 0, 1}) {
        launch();
        const auto submitted = shownWords();
        type('q');
        if (row > 0)
            press("actionNewPuzzle"), press("actionResume");
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | (row < 2 ? QFile::WriteOwner : QFile::Permissions()));
        setRootsFileRights(row < 2);
        const std::string said = typeThen("", Qt::Key_Return, Qt::ControlModifier);
        setRootsFileRights(true), QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(said.find("(Permission denied); it is remembered as submitted in " + configHome().toStdString()) != std::string::npos, row == 2) << said;
        EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 1);
        press("actionResume");
        EXPECT_NE(shownWords(), submitted);
        EXPECT_EQ(launch().find("Ctrl+R"), std::string::npos);
        EXPECT_EQ(press("actionResume"), kNothingKept);
        EXPECT_FALSE(QFile::exists(folder + "/board.json"));
        quit();
        QFile::remove(UserDefaultsStore::standardFilePath());
    }
}

// Another game holds the kept board while this one resumes and submits it: the other never
// writes it back; and when the other submits it first, this one does not score it again.
TEST_F(KeptBoardTest, ABoardSubmittedInOneGameIsNeitherWrittenBackNorScoredInAnother)
{
    const QString path = dataHome() + "/sixfold/board.json";
    for (const QString other : {"save", "submit"}) {
        launch();
        type('q');
        press("actionNewPuzzle");
        QProcess game;
        game.start(QCoreApplication::applicationDirPath() + "/kept_board_writer", {path, "load", "wait", other});
        ASSERT_TRUE(game.waitForReadyRead(10000) && game.readLine() == "loaded\n");
        press("actionResume");
        if (other == "submit")
            game.write("\n"), game.waitForFinished();
        const std::string said = typeThen("", Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, other == "save" ? 1 : 0) << said;
        game.write("\n"), game.waitForFinished();
        EXPECT_EQ(game.readAll(), other == "save" ? "submitted already\n" : "done\n");
        EXPECT_EQ(launch().find("Ctrl+R"), std::string::npos);
        EXPECT_EQ(press("actionResume"), kNothingKept);
        quit();
        QFile::remove(UserDefaultsStore::standardFilePath());
    }
}

TEST_F(KeptBoardTest, PreferencesChosenInTheDialogAreSavedApartAndRecolourTheBoard)
{
    launch();
    showWorkedExample(40);
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
