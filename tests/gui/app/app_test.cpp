// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/game_test.h"

#include "core/dictionary/dictionary.h"
#include "core/history/history_database.h"
#include "core/history/history_files.h"
#include "core/history/history_service.h"
#include "core/board/board_code.h"
#include "support/temporary_resources.h"
#include "gui/look/window_handle.h"
#include "core/board/word_list.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputDialog> // and QDialog
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>

namespace {

using AppTest = GameFixture;

// The console is attached before anything can print, so the welcome reaches the window too.
// A window set after launch takes over the outlets, the actions, the handles and the board;
// Check Word takes the text as typed; a history that cannot open is told.
TEST_F(AppTest, FirstLaunchWelcomesDealsSavesThePlayerAndASetWindowChecksWords)
{
    QDir().mkpath(dataHome() + "/sixfold/history.sqlite"); // a folder where the file belongs
    EXPECT_EQ((std::make_unique<AppDelegate>()->setWindow(loadMainWindow()), gWindow.data()), nullptr) << "a window set before launch is the game's";
    EXPECT_EQ(launch(), kWelcome);
    EXPECT_EQ(m_game->resultView->toPlainText().toStdString(), kWelcome);
    const QString fonts = fieldAt(0, 0)->font().toString() + " | " + m_game->compScore->font().toString() + " | "
                          + m_game->resultView->font().toString() + " | " + m_game->statsField->font().toString();
    EXPECT_EQ(fonts, "Palatino,20,-1,1,400,0,0,0,0,0,0,0,0,0,0,1 | Palatino,20,-1,1,400,0,0,0,0,0,0,0,0,0,0,1 | "
                     "Monaco,14,-1,7,400,0,0,0,0,0,0,0,0,0,0,1 | Geneva,14,-1,0,400,0,0,0,0,0,0,0,0,0,0,1");
    const QString player = QString::fromUtf8(gUserName);
    EXPECT_EQ(std::pair(stored("LastUser"), stored(player).has_value()), std::pair(std::optional(StoreValue(player)), true));

    m_game->setWindow(loadMainWindow());
    m_game->window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_game->window()));
    EXPECT_EQ(std::pair(fieldAt(0, 0)->window(), m_game->theScore->accessibleName()), (std::pair<QWidget*, QString>(m_game->window(), "Your score: 0")));
    EXPECT_EQ(m_game->compScore->text(), QString::number(gameModel().computerScore())) << "the computer's score of the board dealt before";
    const struct { const char* typed; const char* starts; const char* ends; } rows[] = {
        {"garden", "garden\nnoun\n", "'garden' is a word\n"},
        {"catxyz", "'catxyz' is not a word.\n", "'catxyz' is not a word.\n"},
        {" garden", "' garden' is not a word.\n", "' garden' is not a word.\n"},
        {"", "", ""},
    };
    for (const auto& row : rows) {
        m_game->resultView->clear();
        m_game->theWord->setFocus();
        if (&row == rows) { // the first through the button, the others with Return in the field
            m_game->theWord->setText(row.typed);
            press("checkWordButton");
        } else {
            typeThen(row.typed, Qt::Key_Return);
        }
        const std::string console = m_game->resultView->toPlainText().toStdString();
        EXPECT_EQ(std::pair(console.starts_with(row.starts), console.ends_with(row.ends)), std::pair(true, true)) << console;
    }
    m_game->window()->findChild<QWidget*>("newPuzzleButton")->setFocus(); // the console is a Tab stop, and no trap
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m_game->resultView);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), m_game->resultView);
    typeThen("", Qt::Key_Comma, Qt::ControlModifier), QTest::keyClick(m_game->window()->findChild<QDialog*>("preferencesDialog"), Qt::Key_Return);
    EXPECT_EQ(press("actionHowToPlay") + press("actionAbout") + press("actionKeyboardShortcuts") + press("actionRoundReview"), "");
    press("actionStatistics"); // the first to find it broken, as the history answers (below)
    // Only the board code's dialog stops play, and asks for it; each help box has its own text, the information icon (1), rich text (1).
    press("actionPlayBoardCode");
    QStringList boxes;
    for (const QDialog* box : m_game->window()->findChildren<QDialog*>()) {
        const QString looks = QString("%1%2").arg(box->property("icon").toInt()).arg(box->property("textFormat").toInt());
        const QString says = (box->isModal() ? box->findChild<QLabel*>()->text() : box->property("text").toString()).left(10);
        boxes << QString("%1%2%3 %4 %5").arg(box->objectName(), box->isModal() ? " modal " : " ", box->windowTitle(), looks, says).trimmed();
    }
    boxes.sort();
    EXPECT_EQ(boxes, QStringList({"Statistics 00", "aboutBox About Sixfold 11 <p><b>Sixf", "boardCodeDialog modal Play Board Code 00 Board code",
                                  "howToPlayBox How to Play 11 <p>The com", "keyboardShortcutsBox Keyboard Shortcuts 11 <table cel",
                                  "preferencesDialog Preferences 00", "roundReview Round Review 02 Submit a r"}));
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_game->resultView->toPlainText().contains("Rounds are not recorded until the next start: the history "); }, 30000));
    for (QDialog* dialog : m_game->window()->findChildren<QDialog*>())
        dialog->close(), QCoreApplication::sendPostedEvents(dialog, QEvent::DeferredDelete);
    EXPECT_TRUE(m_game->window()->findChildren<QDialog*>().isEmpty()) << "a closed box is kept";
    testing::internal::CaptureStderr(); // a window without the form's controls takes none, fails nothing, and says so
    m_game->setWindow(std::make_unique<QMainWindow>());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no control named 'checkWordButton'"), std::string::npos);
}

// Nothing that needs a board is scored, recorded or shared while there is none.
TEST_F(AppTest, LaunchWithoutAWordListSaysSoAndLeavesTheBoardEmpty)
{
    TemporaryResources resources;
    EXPECT_EQ(launch(), "Null list.\nThe word list " + resourceDirectory().toStdString() + "/SixLetterWords.txt is missing.\n" + kWelcome
                            + "The word list cannot make a puzzle, so the board stays empty.\n");
    showWorkedExample();
    press("actionNewPuzzle");
    EXPECT_EQ(std::tuple(m_game->compScore->text(), bool(gGrid[0][0].field), gameModel().board()), std::tuple(QString("0"), false, std::nullopt))
        << "a board shown before goes, from the window and the game";
    EXPECT_EQ(m_game->window()->minimumSize(), m_game->window()->maximumSize()) << "the window is sized as the form lays it out";
    for (const char* action : {"Submit", "Check All Words", "Daily Board", "Copy Result"})
        EXPECT_EQ(press(("action" + QString(action).remove(' ')).toLatin1()), action + std::string(" needs a board, and the word list cannot make one.\n"));
    EXPECT_EQ(std::get<StoreDictionary>(stored(QString::fromUtf8(gUserName)).value()).at("totalPuzzlesSubmitted"), StoreScalar(int64_t {0}));
    EXPECT_EQ(launch("daily").find("first submission"), std::string::npos) << "a daily board told of that was never dealt";
}

// A copied code deals the same board again; a mistyped one says so and leaves the board be.
// The daily board names itself in the title; its first submission is the day's result, kept in
// the history, and a second is practice. Copy Result shares no letter. Before Daily #1, by the
// games' clock, --daily and Daily Board say there is none and deal none.
TEST_F(AppTest, BoardCodesDealTheirBoardAndTheDailyBoardCountsOnce)
{
    const std::string none = "There is no daily board before Daily #1, the board of 1 January 2026 (UTC).\n";
    QDate today(2025, 12, 31);
    m_clock = [&today] { return QDateTime(today, QTime(23, 59), Qt::UTC); };
    EXPECT_EQ(launch("daily"), kWelcome + none);
    const auto words = [] { return gameModel().board()->words; };
    const auto dealt = words();
    const std::string copied = press("actionCopyBoardCode") + press("actionCopyResult");
    const QString code = QApplication::clipboard()->text();
    EXPECT_EQ(copied, "Board code " + code.toStdString() + " copied.\nThere is no result to copy yet: Copy Result shares the last round you submitted.\n");
    QString typo = code;
    typo[0] = typo[0] == u'2' ? u'3' : u'2';
    EXPECT_EQ(printedBy([&] { EXPECT_FALSE(m_game->playBoardCode(typo)); }), "That board code has a typo: its check character does not match the rest.\n");
    EXPECT_TRUE(words() == dealt);
    press("actionNewPuzzle"), press("actionPlayBoardCode"); // the code typed into the dialog it asks with
    auto* dialog = m_game->window()->findChild<QInputDialog*>("boardCodeDialog");
    EXPECT_EQ(printedBy([&] { dialog->setTextValue(code.toLower()), dialog->accept(); }), "Board " + code.toStdString() + " dealt.\n");
    EXPECT_EQ(std::pair(words() == dealt, m_game->window()->windowTitle()), std::pair(true, QString("Sixfold")));
    launch(code); // as `sixfold --board` starts
    EXPECT_EQ(std::pair(words() == dealt, m_game->window()->windowTitle()), std::pair(true, QString("Sixfold"))) << "not the code's board, or a daily one";
    press("submitButton");
    EXPECT_TRUE(press("actionCopyResult").starts_with("Result copied:\nSixfold " + code.toStdString() + "\nMe 0 · computer ")) << "not shared under its code";

    const auto shown = words();
    EXPECT_EQ((today = QDate(2025, 6, 1), press("actionDailyBoard")), none);
    EXPECT_TRUE(words() == shown);
    today = QDate(2026, 3, 1);
    const std::string daily = "Daily #60";
    for (const char* round : {"", " (practice)"}) {
        const std::string said = press("actionDailyBoard");
        EXPECT_NE(said.find(daily + (*round ? ": you have played it today already" : ": your first submission")), std::string::npos) << said;
        EXPECT_EQ(m_game->window()->windowTitle().toStdString(), "Sixfold — " + daily);
        EXPECT_EQ(press("submitButton").find("this round was practice") != std::string::npos, *round != 0);
        press("actionCopyResult");
        const QString shared = QApplication::clipboard()->text();
        EXPECT_TRUE(shared.startsWith(QString::fromStdString("Sixfold " + daily + round + "\nMe 0 · computer ")));
        EXPECT_EQ(std::pair(shared.contains(" · best possible "), shared.endsWith("\n✗ ✗ ✗ ✗ ✗  0/5 words\n")), std::pair(true, true))
            << shared.toStdString();
    }
    EXPECT_EQ(m_game->window()->windowTitle(), "Sixfold");
    HistoryDatabase history(dataHome() + "/sixfold/history.sqlite");
    const QString player = QString::fromUtf8(gUserName);
    ASSERT_TRUE(QTest::qWaitFor([&] { return history.roundScores(player, HistoryDatabase::kAllRounds).size() == 3; }, 30000));
    RoundRecord last = history.lastRound(player).value(), unscored = last; // as older games kept it, without its best
    unscored.bestPossible.reset(), history.recordRound(unscored), press("actionStatistics"); // scored as the statistics show it
    EXPECT_TRUE(QTest::qWaitFor([&] { return history.lastRound(player)->bestPossible == last.bestPossible; }, 30000));
    EXPECT_EQ(history.dailyResults(player).size(), 1);
}

// A round an earlier run kept while another program held the history is written once at launch.
TEST_F(AppTest, RoundsKeptByAnEarlierRunGoIntoTheHistoryAtLaunch)
{
    const QString path = dataHome() + "/sixfold/history.sqlite";
    RoundRecord kept {"ada", QDateTime::currentDateTimeUtc(), 40, {}, 12, 1, 0, {}};
    ASSERT_TRUE(QDir().mkpath(dataHome() + "/sixfold") && writeKeptFile(pendingRoundsPath(path), pendingRoundsText({{"key", kept}})).isEmpty());
    launch();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(pendingRoundsPath(path)); }, 30000));
    EXPECT_EQ(HistoryDatabase(path).roundScores("ada", HistoryDatabase::kAllRounds).size(), 1);
}

// With no source of the dictionary no word can be judged: Submit says so and records no loss.
TEST_F(AppTest, SubmitWithoutAnyDictionaryRecordsNothing)
{
    launch();
    DictionaryPaths none;
    none.wordNetDirectory = dataHome() + "/none";
    setDictionaryPaths(none);
    const std::string said = press("submitButton");
    setDictionaryPaths(DictionaryPaths::installed());
    EXPECT_TRUE(said.ends_with("This round is not submitted: no word can be judged without the English dictionary.\n")
                && gCurrStats.totalPuzzlesSubmitted == 0) << said;
}

// Termination on its own stores the last player and nothing else: statistics changed since
// the last save stay unsaved, and every other key is left as another game wrote it. Only a
// best a check raised is stored besides, alone and never over a better one.
TEST_F(AppTest, TerminationWritesOnlyTheLastUserAndABestACheckRaised)
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
    auto& record = std::get<StoreDictionary>((*expected)[player]);
    record["bestWordScore"] = int64_t {50}, UserDefaultsStore(UserDefaultsStore::standardFilePath()).setObject(player, record); // by another game
    gCurrStats.bestWordScore = 9, gCurrStats.bestRoundScore = 30, record["bestRoundScore"] = int64_t {30};
    m_game->applicationWillTerminate(nullptr);
    EXPECT_EQ(document(), expected);
}

// The player typed becomes the player, shown and stored as the last one; a name refused is said.
TEST_F(AppTest, ChangeUserSwitchesPlayersAndRefusesNamesTheStoreCannotKeep)
{
    launch();
    const struct { std::string typed, printed, player; } rows[] = {
        {"ada", kWelcome + "User changed to 'ada'\n", "ada"},
        {"LastUser", "'LastUser' cannot be a player's name; the player stays 'ada'.\n", "ada"},
        {"bob", kWelcome + "User changed to 'bob'\n", "bob"},
        {"ada", "User changed to 'ada'\n", "ada"}, // the saved record: no welcome
    };
    for (const auto& row : rows) {
        m_game->newUserName->setText(QString::fromStdString(row.typed));
        EXPECT_EQ(press("changeUserButton"), row.printed);
        EXPECT_EQ(std::tuple(std::string(gUserName), std::get<QString>(*stored("LastUser")).toStdString(), statsLine(0).toStdString()),
                  std::tuple(row.player, row.player, "Stats for " + row.player + ":"));
    }
    m_game->newUserName->setFocus();
    typeThen("x", Qt::Key_Return); // Return in the field changes player too
    EXPECT_STREQ(gUserName, "adax");
}

// The check shows the round's score, to a screen reader too, and raises the best word. Two rounds through the Submit
// button: the running averages, the saved record, the history rows, and the finished board's words listed after its
// check and before a new board. New Puzzle leaves the statistics alone.
TEST_F(AppTest, CheckAndTwoSubmissionsFoldIntoRunningAveragesSavedAndKeptButNewPuzzleDoesNot)
{
    launch();
    showWorkedExample();
    EXPECT_TRUE(m_game->window()->findChild<QWidget*>("boardArea")->accessibleDescription().startsWith(
        "5 words of 6 letters: across word 1 from row 1, column 1; down word 2 from row 1, column 2; across word 3 from row 4, "
        "column 1; down word 4 from row 4, column 6; across word 5 from row 9, column 4. Fixed letters: A at row 1, column 2; H at"));
    fieldAt(0, 0)->setFocus();
    EXPECT_TRUE(typeThen("grden", Qt::Key_K, Qt::ControlModifier).starts_with("'GARDEN' is a word.\n"));
    EXPECT_EQ(std::pair(m_game->theScore->accessibleName(), gCurrStats.bestWordScore), std::pair(QString("Your score: 8"), 8));
    QWidget* focused = QApplication::focusWidget();
    EXPECT_TRUE(focused->accessibleDescription().endsWith("word. Points: 8. Checked: 1 of 5 slots are words, your score 8."));
    const auto* points = m_game->window()->findChild<QLabel*>("slotPoints0");
    ASSERT_TRUE(points);
    const bool besideLastCell = points->geometry().intersects(fieldAt(5, 0)->geometry().adjusted(-40, -40, 40, 40));
    EXPECT_EQ(std::tuple(points->isVisible(), points->text(), points->accessibleName(), besideLastCell),
              std::tuple(true, QString("+8"), QString("across word 1: 8 points"), true));
    m_game->newUserName->setFocus(), typeThen("", Qt::Key_K, Qt::ControlModifier), typeThen("", Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(m_game->newUserName->accessibleDescription(), "Checked: 1 of 5 slots are words, your score 8.") << "the same result twice piled up";
    fillAcross(3, 8, "SILVER"); // 9
    EXPECT_FALSE(m_game->window()->findChild<QLabel*>("slotPoints4")->isVisible()) << "the points of a slot retyped since its check";
    fieldAt(1, 1)->setText("\U00010400"); // two UTF-16 units in one cell
    QPointer<myTextField> submittedCell = fieldAt(0, 0);
    const std::string printed = press("submitButton");
    const size_t listing = printed.find("Computer Words for Previous Puzzle: \n  garden              \n   n    ");
    EXPECT_LT(printed.find("'SILVER' is a word.\n"), listing);
    EXPECT_EQ(std::tuple(listing != std::string::npos, submittedCell.isNull(), m_game->theScore->text()), std::tuple(true, true, QString("0")));
    EXPECT_EQ(m_game->roundOutcome->text(), "Last round: you 17, computer 47 \u2013 you lost by 30.\nThe board allowed 107. Ctrl+E: review.");
    QTest::keyClick(m_game->theWord, Qt::Key_Shift);
    EXPECT_EQ(m_game->roundOutcome->text(), "") << "the player's next key takes the outcome away";
    EXPECT_EQ(press("actionRoundReview"), ""); // the review, from the board as submitted, and its boards with the best word of each slot
    std::unique_ptr<QDialog> reviewed(m_game->window()->findChild<QDialog*>("roundReview"));
    const QString review = reviewed->accessibleDescription(), boards = reviewed->findChild<QWidget*>()->accessibleDescription(); // its first child
    reviewed.reset();
    const QRegularExpression fifth("Word 5 \\(across\\): SILVER \u2013 a word, 9 points. Best that fitted: [A-Z]+ \\d+; also( [A-Z]+ \\d+,){2} [A-Z]+ \\d+\\.");
    const QRegularExpression bestWords("Best possible 107: ([A-Z]+, ){4}[A-Z]+\\.$");
    EXPECT_EQ(std::tuple(review.contains(fifth), review.contains("(down): A\U00010400"), boards.contains(bestWords)), std::tuple(true, true, true))
        << review.toStdString() << boards.toStdString();

    EXPECT_EQ(press("actionStatistics"), ""); // the window over those rounds, from the same module
    showWorkedExample();
    fillAcross(0, 0, "GARDEN");
    press("submitButton");
    const auto tellsTheTally = [](const QLabel* label) { return label->text().startsWith("Won 0, drawn 0, lost 2"); };
    EXPECT_TRUE(QTest::qWaitFor([this, &tellsTheTally] { // shows the round submitted while open
        const auto labels = m_game->window()->findChild<QDialog*>()->findChildren<QLabel*>();
        return std::any_of(labels.begin(), labels.end(), tellsTheTally);
    }, 30000));
    QTest::mouseClick(m_game->window()->findChild<QAbstractButton*>("reviewButton"), Qt::LeftButton); // the round as the history kept it
    EXPECT_TRUE(m_game->window()->findChildren<QDialog*>("roundReview").last()->accessibleDescription().contains("Word 1 (across): GARDEN"));
    const QString round = "Round over: your score 8, the computer's 47, the computer won by 39. A new puzzle is dealt.";
    auto* told = m_game->window()->findChild<QLabel*>("announcer"); // spoken as it appears
    EXPECT_EQ(std::tuple(told->isVisible(), told->geometry(), told->accessibleName(), QAccessible::queryAccessibleInterface(told)->role(),
                         told->testAttribute(Qt::WA_TransparentForMouseEvents)), // nor does it take a click at the window's corner
              std::tuple(true, QRect(0, 0, 1, 1), round, QAccessible::Notification, true));
    EXPECT_EQ(fieldAt(0, 0)->accessibleDescription(), round);
    EXPECT_EQ(std::tuple(gCurrStats.totalScores, gCurrStats.totalWordsMade, gCurrStats.totalPuzzlesSubmitted,
                         gCurrStats.computerTotalScores, gCurrStats.bestRoundScore), std::tuple(25, 3, 2, 94, 17));
    EXPECT_EQ(statsLine(1), "    Average Score: 12.50");

    HistoryDatabase history(dataHome() + "/sixfold/history.sqlite");
    const QList<RoundRecord> rounds = history.allRounds(QString::fromUtf8(gUserName)).value_or(QList<RoundRecord> {});
    ASSERT_EQ(rounds.size(), 2);
    EXPECT_EQ(std::tuple(rounds[0].computerScore, rounds[0].roundScore, rounds[0].wordsMade, rounds[1].computerScore,
                         rounds[1].roundScore, rounds[1].wordsMade, rounds[0].bestPossible), std::tuple(47, 17, 2, 47, 8, 1, 107));
    for (const auto& [i, solution, letters, isWord, score, direction, x, y] :
         {std::tuple(1, "anchor", "A\U00010400 H  ", false, 0, Direction::Down, 1, 0), {4, "silver", "SILVER", true, 9, Direction::Across, 3, 8}}) {
        const SlotRecord& s = rounds[0].wordSlots[size_t(i)];
        EXPECT_EQ(std::tuple(s.solution, s.letters, s.isWord, s.score, s.direction, s.x, s.y),
                  std::tuple(QString(solution), QString(letters), isWord, score, direction, x, y));
    }

    press("newPuzzleButton");
    typeThen("", Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(m_game->window()->focusWidget(), fieldAt(0, 0));
    launch(); // the record saved at the last submission, untouched by New Puzzle
    EXPECT_EQ(std::tuple(gCurrStats.totalPuzzlesSubmitted, gCurrStats.totalScores), std::tuple(2, 25));
}

} // namespace
