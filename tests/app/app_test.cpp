// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_test.h"

#include "history/history_database.h"
#include "support/temporary_resources.h"
#include "window/window_handle.h"
#include "words/word_list.h"

#include <QDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>

namespace {

using AppTest = GameFixture;

// The console is attached before anything can print, so the welcome reaches the window too.
// A window set after launch takes over the outlets, the actions, the handles and the board;
// Check Word takes the text as typed and empties the field.
TEST_F(AppTest, FirstLaunchWelcomesDealsSavesThePlayerAndASetWindowChecksWords)
{
    EXPECT_EQ(launch(), kWelcome);
    EXPECT_EQ(m_game->resultView->toPlainText().toStdString(), kWelcome);
    EXPECT_TRUE(gWindow == m_game->window() && gSixListMax > 6000 && intValue(m_game->compScore->text()) > 0);
    const QString player = QString::fromUtf8(gUserName);
    EXPECT_EQ(statsLine(0), "Stats for " + player + ":");
    EXPECT_TRUE(stored("LastUser") == StoreValue(player) && stored(player).has_value());

    m_game->setWindow(loadMainWindow());
    EXPECT_TRUE(gWindow == m_game->window() && fieldAt(0, 0)->window() == gWindow && m_game->theWord->window() == gWindow);
    ASSERT_TRUE((m_game->window()->show(), QTest::qWaitForWindowActive(m_game->window())));
    const struct { const char* typed; const char* starts; const char* ends; } rows[] = {
        {"garden", "garden\nnoun\n", "'garden' is a word\n"},
        {"catxyz", "'catxyz' is not a word.\n", "'catxyz' is not a word.\n"},
        {" garden", "' garden' is not a word.\n", "' garden' is not a word.\n"},
        {"", "", ""},
    };
    for (const auto& row : rows) {
        m_game->resultView->clear();
        m_game->theWord->setFocus();
        // The first through the button, the others with Return in the field.
        &row == rows ? (m_game->theWord->setText(row.typed), press("checkWordButton")) : typeThen(row.typed, Qt::Key_Return);
        const std::string console = m_game->resultView->toPlainText().toStdString();
        EXPECT_TRUE(console.starts_with(row.starts) && console.ends_with(row.ends)) << console;
        EXPECT_EQ(m_game->theWord->text(), "");
    }
}

TEST_F(AppTest, LaunchWithoutAWordListSaysSoAndLeavesTheBoardEmpty)
{
    TemporaryResources resources;
    EXPECT_EQ(launch(), "Null list.\n" + kWelcome + "The word list cannot make a puzzle, so the board stays empty.\n");
    EXPECT_TRUE(m_game->compScore->text() == "0" && !gGrid[0][0].field);
}

// Termination on its own stores the last player and nothing else: statistics changed since
// the last save stay unsaved, and every other key is left as another game wrote it.
TEST_F(AppTest, TerminationWritesOnlyTheLastUser)
{
    launch();
    const QString player = QString::fromUtf8(gUserName);
    UserDefaultsStore(UserDefaultsStore::standardFilePath()).setObjects({{"LastUser", QStringLiteral("bob")}, {"bob", StoreDictionary {}}});
    const auto document = [] { return decodeStoreDocument(fileText(UserDefaultsStore::standardFilePath())); };
    auto expected = document();
    ASSERT_TRUE(expected);
    (*expected)["LastUser"] = player;
    gCurrStats.totalPuzzlesSubmitted = 7;
    m_game->applicationWillTerminate(nullptr);
    EXPECT_EQ(document(), expected);
}

// A name is taken as typed; one that does not fit, and "LastUser", are refused whole.
TEST_F(AppTest, ChangeUserSwitchesPlayersAndRefusesNamesTheStoreCannotKeep)
{
    launch();
    const std::string longest(31, 'n');
    const std::string tooLong = QString(16, QChar(0x00E9)).toStdString(); // 32 bytes
    const struct { std::string typed, printed, player; } rows[] = {
        {"ada", kWelcome + "User changed to 'ada'\n", "ada"},
        {"", "", "ada"},
        {tooLong, "'" + tooLong + "' is too long for a player's name (at most 31 bytes); the player stays 'ada'.\n", "ada"},
        {"LastUser", "'LastUser' cannot be a player's name; the player stays 'ada'.\n", "ada"},
        {"Zoë", kWelcome + "User changed to 'Zoë'\n", "Zoë"},
        {longest, kWelcome + "User changed to '" + longest + "'\n", longest},
        {"ada", "User changed to 'ada'\n", "ada"}, // the saved record, not the one in memory
    };
    for (const auto& row : rows) {
        gCurrStats.bestWordScore = 50; // found by a check, never saved
        m_game->newUserName->setText(QString::fromStdString(row.typed));
        EXPECT_EQ(press("changeUserButton"), row.printed);
        EXPECT_EQ(gUserName, row.player);
        EXPECT_EQ(std::get<QString>(*stored("LastUser")).toStdString(), row.player);
        EXPECT_EQ(statsLine(0).toStdString(), "Stats for " + row.player + ":");
        EXPECT_EQ(gCurrStats.bestWordScore, row.printed.empty() || row.printed[0] == '\'' ? 50 : 0) << row.typed;
    }
    m_game->newUserName->setFocus();
    typeThen("x", Qt::Key_Return); // Return in the field changes player too
    EXPECT_STREQ(gUserName, "adax");
}

// The check shows the round's score, to a screen reader too, and raises the best word. Two
// rounds through the Submit button: the running averages, the saved record, the history rows,
// and the finished board's words listed after its check and before a new board. New Puzzle
// leaves the statistics alone.
TEST_F(AppTest, CheckAndTwoSubmissionsFoldIntoRunningAveragesSavedAndKeptButNewPuzzleDoesNot)
{
    launch();
    showWorkedExample();
    fieldAt(0, 0)->setFocus();
    EXPECT_TRUE(typeThen("grden", Qt::Key_K, Qt::ControlModifier).starts_with("'GARDEN' is a word.\n"));
    EXPECT_TRUE(m_game->theScore->accessibleName() == "Your score: 8" && gCurrStats.bestWordScore == 8);
    fillAcross(3, 8, "SILVER"); // 9
    fieldAt(1, 1)->setText("\U00010400"); // two UTF-16 units in one cell
    QPointer<myTextField> submittedCell = fieldAt(0, 0);
    const std::string printed = press("submitButton");
    const size_t listing = printed.find("Computer Words for Previous Puzzle: \n  garden              \n   n    ");
    EXPECT_LT(printed.find("'SILVER' is a word.\n"), listing);
    EXPECT_TRUE(listing != std::string::npos && submittedCell.isNull() && m_game->theScore->text() == "0");
    EXPECT_EQ(m_game->roundOutcome->text(), "Last round: you 17, computer 47 \u2013 you lost by 30.\nThe board allowed 107. Ctrl+E: review.");
    EXPECT_EQ(press("actionRoundReview"), ""); // the review, from the board as submitted
    const QString review = std::unique_ptr<QMessageBox>(m_game->window()->findChild<QMessageBox*>("roundReview"))->text();
    EXPECT_TRUE(review.contains("Word 5 (across): SILVER \u2013 a word, 9 points. Best that fitted: ") && review.contains("(down): A\U00010400") ) << review.toStdString();

    showWorkedExample();
    fillAcross(0, 0, "GARDEN");
    press("submitButton");
    EXPECT_EQ(std::tuple(gCurrStats.totalScores, gCurrStats.totalWordsMade, gCurrStats.totalPuzzlesSubmitted,
                         gCurrStats.computerTotalScores, gCurrStats.bestRoundScore),
              std::tuple(25, 3, 2, 94, 17));
    EXPECT_EQ(std::tuple(gCurrStats.averageScore, gCurrStats.averageValidWordsPerPuzzle, gCurrStats.computerAverage),
              std::tuple(12.5f, 1.5f, 47.0f));
    EXPECT_FLOAT_EQ(gCurrStats.averageWordScore, 25.0f / 3);
    EXPECT_EQ(statsLine(1), "    Average Score: 12.50");

    const QList<RoundRecord> rounds = HistoryDatabase(dataHome() + "/sixfold/history.sqlite").allRounds(QString::fromUtf8(gUserName));
    ASSERT_EQ(rounds.size(), 2);
    EXPECT_EQ(std::tuple(rounds[0].computerScore, rounds[0].roundScore, rounds[0].wordsMade, rounds[1].computerScore,
                         rounds[1].roundScore, rounds[1].wordsMade, rounds[0].bestPossible), std::tuple(47, 17, 2, 47, 8, 1, 107));
    for (const auto& [i, solution, letters, isWord, score, direction, x, y] :
         {std::tuple(1, "anchor", "A\U00010400 H  ", false, 0, Direction::Down, 1, 0), {4, "silver", "SILVER", true, 9, Direction::Across, 3, 8}}) {
        const SlotRecord& s = rounds[0].wordSlots[size_t(i)];
        EXPECT_EQ(std::tuple(s.solution, s.letters, s.isWord, s.score, s.direction, s.x, s.y),
                  std::tuple(QString(solution), QString(letters), isWord, score, direction, x, y));
    }
    EXPECT_EQ(press("actionStatistics"), ""); // the window over those rounds, from the same module
    EXPECT_EQ(m_game->window()->findChildren<QDialog*>().size(), 1);

    const UserStats before = gCurrStats;
    press("newPuzzleButton");
    typeThen("", Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(gCurrStats.totalPuzzlesSubmitted, gCurrStats.totalScores, gCurrStats.bestWordScore),
              std::tuple(before.totalPuzzlesSubmitted, before.totalScores, before.bestWordScore));
    EXPECT_TRUE(m_game->theScore->text() == "0" && m_game->window()->focusWidget() == fieldAt(0, 0) && m_game->roundOutcome->text().isEmpty());
    EXPECT_EQ(m_game->window()->centralWidget()->findChildren<myTextField*>().size(), 26);
    launch();
    EXPECT_EQ(std::tuple(gCurrStats.totalPuzzlesSubmitted, gCurrStats.totalScores), std::tuple(2, 25));
}

} // namespace
