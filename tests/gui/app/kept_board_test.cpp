// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/game_test.h"

#include "gui/app/preferences_dialog.h"
#include "core/kept_board/kept_board_store.h"
#include "core/preferences/preferences.h"
#include "core/game/board_keeper.h"
#include "support/root_rights.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPointer>
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

    auto shownWords() const { return readShownBoard().value_or(BoardState {}).words; }
};

// A keystroke reaches the file without waiting for quit; the next launch offers the board, and
// New Puzzle and Ctrl+R swap two boards. When the keeper shows or writes is board_keeper's (game_test).
TEST_F(KeptBoardTest, UnfinishedBoardSurvivesAKeystrokeQuitAndNewPuzzleAndSwaps)
{
    EXPECT_EQ(launch(), kWelcome);
    const auto first = shownWords();
    QSignalSpy saved(m_game->boardKeeper(), &BoardKeeper::saved);
    const auto [x, y] = type('q');
    ASSERT_TRUE(saved.wait(5000));
    EXPECT_TRUE((press("actionCheckAllWords"), saved.wait(5000))) << "a check is not kept until another change";
    const auto kept = KeptBoardStore(dataHome() + "/sixfold/board.json").load().board;
    ASSERT_TRUE(kept && kept->typed.size() == 1u);

    const QString computerScore = m_game->compScore->text();
    quit();
    EXPECT_NE(launch().find("Ctrl+R"), std::string::npos);
    press("actionResume");
    EXPECT_EQ(press("actionCopyBoardCode"), "This board came back from the kept one, which keeps no code; a dealt board has one.\n");
    EXPECT_TRUE(shownWords() == first) << "not the kept board resumed";
    EXPECT_EQ(gGrid[x][y].field->text(), "Q") << "the kept letter";
    EXPECT_EQ(m_game->compScore->text(), computerScore);

    press("actionNewPuzzle");
    typeThen("", Qt::Key_Return, Qt::ControlModifier); // Submit
    press("actionDailyBoard"); // the untouched board is not kept; the daily board's title goes with it
    const auto second = shownWords();
    QTest::keyClick(m_game->window(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(shownWords() == first) << "Ctrl+R did not resume the kept board";
    EXPECT_EQ(m_game->window()->windowTitle(), "Sixfold") << "the daily board's title stayed";
    m_game->setWindow(loadMainWindow()), press("actionResume"); // into a window set since
    EXPECT_TRUE(shownWords() == second) << "the daily board was not kept when swapped";
    EXPECT_EQ(fieldAt(0, 0)->window(), m_game->window()) << "resumed into the old window";
}

// Resumed or not; from a data folder the game may not write (the message says why); while
// another game holds it and writes it back at quit, or submits it first.
TEST_F(KeptBoardTest, ASubmittedBoardIsNeverResumedNorScoredTwice)
{
    const QString folder = dataHome() + "/sixfold";
    for (const QString row : {"read-only", "dealt", "resumed", "save", "submit"}) {
        launch();
        type('q');
        QProcess other;
        if (row != "dealt")
            press("actionNewPuzzle");
        if (row == "save" || row == "submit") {
            other.start(QCoreApplication::applicationDirPath() + "/kept_board_writer", {folder + "/board.json", "load", "wait", row});
            ASSERT_TRUE(other.waitForReadyRead(10000) && other.readLine() == "loaded\n");
        }
        if (row != "dealt")
            press("actionResume");
        if (row == "submit")
            other.write("\n"), other.waitForFinished();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | (row != "read-only" ? QFile::WriteOwner : QFile::Permissions()));
        setRootsFileRights(row != "read-only");
        const QPointer<QWidget> submittedCell = QApplication::focusWidget();
        const std::string said = typeThen("", Qt::Key_Return, Qt::ControlModifier);
        EXPECT_TRUE(submittedCell.isNull()) << "no new board after Submit";
        setRootsFileRights(true), QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (row == "save")
            other.write("\n"), other.waitForFinished();
        const std::string refused = "(Permission denied); it is remembered as submitted in " + configHome().toStdString();
        const auto says = [&said](const std::string& text) { return said.find(text) != std::string::npos; };
        EXPECT_EQ(says(refused), row == "read-only") << row.toStdString() << ": " << said;
        EXPECT_EQ(says("Rounds are not recorded until the next start"), row == "read-only") << row.toStdString() << ": " << said;
        EXPECT_EQ(says("in another game; it is not scored again"), row == "submit") << row.toStdString() << ": " << said;
        EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, row == "submit" ? 0 : 1);
        press("actionResume");
        EXPECT_EQ(launch().find("Ctrl+R"), std::string::npos);
        EXPECT_EQ(press("actionResume"), kNothingKept);
        quit();
        QFile::remove(UserDefaultsStore::standardFilePath());
    }
}

TEST_F(KeptBoardTest, PreferencesChosenInTheDialogAreSavedApartAndRecolourTheBoard)
{
    launch(), QFile::remove(configHome() + "/sixfold/sixfold.conf");
    showWorkedExample();
    fieldAt(0, 0)->setText("X"), fillAcross(3, 8, "SILVER");
    press("actionCheckAllWords");
    press("actionPreferences");
    auto* dialog = m_game->window()->findChild<PreferencesDialog*>();
    auto* colours = dialog ? dialog->findChild<QComboBox*>("wordColours") : nullptr;
    ASSERT_TRUE(colours && dialog->chosen() == Preferences {} && colours->count() == 2);
    colours->setCurrentIndex(colours->findData(static_cast<int>(WordColours::ColourBlindSafe)));
    dialog->findChild<QCheckBox*>("resumesAtLaunch")->setChecked(true), dialog->findChild<QCheckBox*>("typesThroughGiven")->setChecked(true);
    auto* language = dialog->findChild<QComboBox*>("interfaceLanguage");
    language->setCurrentIndex(language->findData("fr"));
    EXPECT_TRUE(dialog->findChild<QLabel*>("languageNote")->isVisibleTo(dialog)) << "no note that French comes at the next launch";
    dialog->accept();
    EXPECT_EQ(textColor(fieldAt(0, 0)), kSafeInvalidWordColour);
    const QPalette light = QApplication::palette();
    QEvent changed(QEvent::ApplicationPaletteChange); // as Qt sends it in its event loop
    QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35))), QApplication::sendEvent(m_game->window(), &changed); // the desktop turns dark, and back
    const BoardPalette dark = boardPalette(WordColours::ColourBlindSafe, true); // a word's points too
    EXPECT_EQ(textColor(fieldAt(0, 0)), dark.nonWord) << "a letter of a non-word on a dark desktop";
    EXPECT_EQ(fieldAt(0, 0)->palette().color(QPalette::Base), dark.cell) << "a cell on a dark desktop";
    EXPECT_EQ(textColor(fieldAt(1, 0)), dark.fixedText) << "a fixed letter on a dark desktop";
    EXPECT_GE(contrastRatio(m_game->dailyLine->palette().color(QPalette::WindowText), dark.panel), 4.5) << "the daily line on a dark desktop";
    const QLabel* points = m_game->window()->findChild<QLabel*>("slotPoints4"); // every word checked has its points, not only the first
    EXPECT_EQ(points->palette().color(QPalette::WindowText), dark.inputText) << "a word's points on a dark desktop";
    EXPECT_EQ(points->text(), "5: +9");
    QApplication::setPalette(light), QApplication::sendEvent(m_game->window(), &changed);
    QSettings settings(configHome() + "/sixfold/sixfold.conf", QSettings::IniFormat);
    EXPECT_EQ(loadPreferences(settings), (Preferences {WordColours::ColourBlindSafe, true, true, 100, true, "fr"}));
    press("actionPreferences"); // shows them; Cancel leaves them be
    auto* again = m_game->window()->findChildren<PreferencesDialog*>().constLast();
    const Preferences shown = again->chosen();
    again->findChild<QComboBox*>("wordColours")->setCurrentIndex(0), again->findChildren<QAbstractButton*>().constLast()->click(); // Cancel
    EXPECT_EQ(shown, (Preferences {WordColours::ColourBlindSafe, true, true, 100, true, "fr"})) << "the dialog does not show the saved choices";
    EXPECT_FALSE(again->isVisible()) << "Cancel does not close";
    EXPECT_EQ(textColor(fieldAt(0, 0)), kSafeInvalidWordColour) << "Cancel changed the colours";
    m_game->window()->activateWindow(), fieldAt(0, 0)->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_game->window()));
    typeThen("g", Qt::Key_A);
    EXPECT_EQ(fieldAt(0, 0)->text() + fieldAt(2, 0)->text(), "G") << "the given A not typed through";
    QFile::remove(settings.fileName()), QDir().mkdir(settings.fileName()); // a folder where the file was
    const auto accept = [this] {
        const std::string opened = press("actionPreferences");
        return opened + printedBy([this] { m_game->window()->findChildren<PreferencesDialog*>().constLast()->accept(); });
    };
    EXPECT_EQ(accept() + accept(), "The preferences cannot be saved in " + settings.fileName().toStdString() + "; they hold until the game quits.\n");
}

} // namespace
