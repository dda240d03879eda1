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

// A window set after launch takes over the console (with the welcome printed before), the window handle, the board and the scores.
TEST_F(AppTest, AWindowSetAfterLaunchTakesOverTheBoardTheScoresAndTheConsole)
{
    launch();
    m_game->setWindow(loadMainWindow());
    m_game->window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_game->window()));
    EXPECT_EQ(gWindow.data(), m_game->window()) << "the window handle stayed with the old window";
    EXPECT_EQ(fieldAt(0, 0)->window(), m_game->window()) << "the board stayed in the old window";
    EXPECT_EQ(m_game->theScore->accessibleName(), "Your score: 0");
    EXPECT_EQ(m_game->compScore->text(), QString::number(gameModel().computerScore())) << "the computer's score of the board dealt before";
    EXPECT_EQ(m_game->resultView->toPlainText().toStdString(), kWelcome) << "what the old console showed";
}

// Check Word takes the text as typed, through the button or with Return in the field; the words' verdicts are the dictionary's.
TEST_F(AppTest, CheckWordJudgesTheTextAsTyped)
{
    launch();
    m_game->theWord->setText("garden");
    const std::string defined = press("checkWordButton");
    EXPECT_TRUE(defined.starts_with("garden\nnoun\n") && defined.ends_with("'garden' is a word\n")) << defined;
    m_game->theWord->setFocus();
    for (const auto& [typed, printed] : {std::pair(" garden", "' garden' is not a word.\n"), {"", ""}})
        EXPECT_EQ(typeThen(typed, Qt::Key_Return), printed) << "'" << typed << "' with Return";
}

TEST_F(AppTest, TheConsoleIsATabStopButNoTrap)
{
    launch();
    m_game->window()->findChild<QWidget*>("newPuzzleButton")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m_game->resultView) << "Tab from New Puzzle passed the console by";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), m_game->resultView) << "Tab stayed in the console";
}

// Only the board code's dialog stops play, and asks for it; each help box has its own title and text, shown as rich text.
TEST_F(AppTest, EachDialogHasItsTitleAndTextAndOnlyTheBoardCodeDialogIsModal)
{
    launch();
    typeThen("", Qt::Key_Comma, Qt::ControlModifier), QTest::keyClick(m_game->window()->findChild<QDialog*>("preferencesDialog"), Qt::Key_Return);
    EXPECT_EQ(press("actionHowToPlay") + press("actionAbout") + press("actionKeyboardShortcuts") + press("actionRoundReview"), "");
    press("actionStatistics"), press("actionPlayBoardCode");
    QStringList boxes;
    for (const QDialog* box : m_game->window()->findChildren<QDialog*>()) {
        const QString says = (box->isModal() ? box->findChild<QLabel*>()->text() : box->property("text").toString()).left(10);
        boxes << QString("%1%2%3 %4").arg(box->objectName(), box->isModal() ? " modal " : " ", box->windowTitle(), says).trimmed();
        if (says.startsWith('<')) {
            EXPECT_EQ(box->property("textFormat").toInt(), Qt::RichText) << box->objectName().toStdString() << " shows its markup";
        }
    }
    boxes.sort();
    EXPECT_EQ(boxes, QStringList({"Statistics", "aboutBox About Sixfold <p><b>Sixf", "boardCodeDialog modal Play Board Code Board code",
                                  "howToPlayBox How to Play <p>The com", "keyboardShortcutsBox Keyboard Shortcuts <table cel",
                                  "preferencesDialog Preferences", "roundReview Round Review Submit a r"}));
}

TEST_F(AppTest, AHistoryThatCannotOpenIsToldWhenTheStatisticsFirstReadIt)
{
    QDir().mkpath(dataHome() + "/sixfold/history.sqlite"); // a folder where the file belongs
    launch();
    press("actionStatistics");
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_game->resultView->toPlainText().contains("Rounds are not recorded until the next start: the history "); }, 30000))
        << m_game->resultView->toPlainText().toStdString();
}

// Nothing that needs a board is scored, recorded or shared while there is none.
TEST_F(AppTest, LaunchWithoutAWordListSaysSoAndLeavesTheBoardEmpty)
{
    TemporaryResources resources;
    EXPECT_EQ(launch(), "Null list.\nThe word list " + resourceDirectory().toStdString() + "/SixLetterWords.txt is missing.\n" + kWelcome
                            + "The word list cannot make a puzzle, so the board stays empty.\n");
    showWorkedExample();
    press("actionNewPuzzle");
    EXPECT_EQ(m_game->compScore->text(), "0") << "the computer's score of a board shown before";
    EXPECT_FALSE(gGrid[0][0].field) << "a board shown before is still in the window";
    EXPECT_EQ(gameModel().board(), std::nullopt) << "a board shown before is still the game's";
    for (const char* action : {"Submit", "Check All Words", "Daily Board", "Copy Result"})
        EXPECT_EQ(press(("action" + QString(action).remove(' ')).toLatin1()), action + std::string(" needs a board, and the word list cannot make one.\n"));
    EXPECT_EQ(std::get<StoreDictionary>(stored(QString::fromUtf8(gUserName)).value()).at("totalPuzzlesSubmitted"), StoreScalar(int64_t {0}));
    EXPECT_EQ(launch("daily").find("first submission"), std::string::npos) << "a daily board told of that was never dealt";
}

// The words of the board on show.
auto shownWords() { return gameModel().board()->words; }

// Copy Board Code, the code typed into Play Board Code's dialog (in any case) and `sixfold --board` deal the same board.
TEST_F(AppTest, ACopiedBoardCodeDealsTheSameBoardAgain)
{
    launch();
    const auto dealt = shownWords();
    const std::string copied = press("actionCopyBoardCode");
    const QString code = QApplication::clipboard()->text();
    EXPECT_EQ(copied, "Board code " + code.toStdString() + " copied.\n");
    press("actionNewPuzzle"), press("actionPlayBoardCode");
    auto* dialog = m_game->window()->findChild<QInputDialog*>("boardCodeDialog");
    EXPECT_EQ(printedBy([&] { dialog->setTextValue(code.toLower()), dialog->accept(); }), "Board " + code.toStdString() + " dealt.\n");
    EXPECT_TRUE(shownWords() == dealt) << "not the board of the code typed";
    launch(code);
    EXPECT_TRUE(shownWords() == dealt) << "not the board of the code launched on";
}

// Copy Result puts the last round on the clipboard, and says when there is none yet.
TEST_F(AppTest, CopyResultSharesTheLastSubmittedRound)
{
    launch();
    EXPECT_EQ(press("actionCopyResult"), "There is no result to copy yet: Copy Result shares the last round you submitted.\n");
    press("submitButton");
    const std::string said = press("actionCopyResult");
    EXPECT_EQ(said, "Result copied:\n" + QApplication::clipboard()->text().toStdString()); // what it holds: game_test and SharedResultTest
}

// A round as older games kept it, without its best possible, is scored as the statistics show it.
TEST_F(AppTest, ARoundKeptWithoutItsBestPossibleIsScoredWhenTheStatisticsShowIt)
{
    launch();
    press("submitButton");
    HistoryDatabase history(dataHome() + "/sixfold/history.sqlite");
    const QString player = QString::fromUtf8(gUserName);
    ASSERT_TRUE(QTest::qWaitFor([&] { return history.lastRound(player).has_value(); }, 30000));
    RoundRecord last = history.lastRound(player).value(), unscored = last;
    ASSERT_TRUE(last.bestPossible.has_value());
    unscored.bestPossible.reset(), history.recordRound(unscored), press("actionStatistics");
    EXPECT_TRUE(QTest::qWaitFor([&] { return history.lastRound(player)->bestPossible == last.bestPossible; }, 30000));
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
    EXPECT_TRUE(said.ends_with("This round is not submitted: no word can be judged without the English dictionary.\n")) << said;
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 0);
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

// The player typed becomes the player, shown and stored as the last one. Which names are refused is the Core's (game_test).
TEST_F(AppTest, ChangeUserSwitchesPlayers)
{
    launch();
    m_game->newUserName->setText("ada");
    EXPECT_EQ(press("changeUserButton"), kWelcome + "User changed to 'ada'\n");
    EXPECT_STREQ(gUserName, "ada");
    EXPECT_EQ(stored("LastUser"), std::optional(StoreValue(QString("ada")))) << "the new player not stored as the last";
    EXPECT_EQ(statsLine(0), "Stats for ada:") << "the statistics shown are not the new player's";
    m_game->newUserName->setText("bo"), m_game->newUserName->setFocus();
    typeThen("b", Qt::Key_Return); // Return in the field changes player too
    EXPECT_STREQ(gUserName, "bob");
}

// Rounds on the worked example, whose computer scores 47 and whose board allows 107.
class RoundTest : public AppTest {
protected:
    void SetUp() override { AppTest::SetUp(), launch(), showWorkedExample(), fieldAt(0, 0)->setFocus(); }

    // GARDEN typed and checked, SILVER typed after the check, a character of two UTF-16 units in ANCHOR: 17 points.
    std::string submitFirstRound()
    {
        typeThen("grden", Qt::Key_K, Qt::ControlModifier);
        fillAcross(3, 8, "SILVER");
        fieldAt(1, 1)->setText("\U00010400");
        return press("submitButton");
    }
    // GARDEN alone on a new board: 8 points.
    void submitSecondRound() { showWorkedExample(), fillAcross(0, 0, "GARDEN"), press("submitButton"); }
};

// The check shows the round's score, to a screen reader too.
TEST_F(RoundTest, CheckAllWordsShowsTheRoundsScore)
{
    EXPECT_TRUE(typeThen("grden", Qt::Key_K, Qt::ControlModifier).starts_with("'GARDEN' is a word.\n"));
    EXPECT_EQ(m_game->theScore->accessibleName(), "Your score: 8");
    const QString described = QApplication::focusWidget()->accessibleDescription();
    EXPECT_TRUE(described.endsWith("word. Points: 8.")) << "the check left on the cell, to be read stale each time the focus comes back: " << described.toStdString();
    QCoreApplication::processEvents();
    const auto* told = m_game->window()->findChild<QLabel*>("announcer");
    EXPECT_TRUE(told && told->isVisible() && told->accessibleName().endsWith("! Checked: 1 of 5 slots are words, your score 8.")) << "the turn's news not told as one";
}

TEST_F(RoundTest, AWordsPointsShowBesideItsLastCellUntilItIsRetyped)
{
    typeThen("grden", Qt::Key_K, Qt::ControlModifier);
    const auto* points = m_game->window()->findChild<QLabel*>("slotPoints0");
    ASSERT_TRUE(points);
    EXPECT_TRUE(points->isVisible());
    EXPECT_EQ(points->text(), "+8");
    EXPECT_EQ(points->accessibleName(), "across word 1: 8 points");
    fillAcross(3, 8, "SILVER");
    EXPECT_FALSE(m_game->window()->findChild<QLabel*>("slotPoints4")->isVisible()) << "the points of a slot retyped since its check";
}

// Submit checks what was typed since, lists the finished board's words after its check, deals a new board, shows the
// outcome until the player's next key and announces the round to a screen reader, in a label that takes no click.
TEST_F(RoundTest, SubmitEndsTheRoundOnScreenAndDealsANewBoard)
{
    const QPointer<myTextField> submittedCell = fieldAt(0, 0);
    const std::string printed = submitFirstRound();
    EXPECT_LT(printed.find("'SILVER' is a word.\n"), printed.find("Computer Words for Previous Puzzle")) << printed;
    EXPECT_TRUE(submittedCell.isNull()) << "the submitted board is still shown";
    EXPECT_EQ(m_game->theScore->text(), "0") << "the new board starts with the old score";
    auto* told = m_game->window()->findChild<QLabel*>("announcer");
    ASSERT_TRUE(told);
    EXPECT_FALSE(told->isVisible()) << "shown before the new board took the focus, which a reader would let drown it";
    QCoreApplication::processEvents();
    const QRegularExpression round("Round over: your score 17, the computer's 47, the computer won by 30\\. The computer's words: "
                                   "across word 1, [a-z]{6}; down word 2, [a-z]{6}; across word 3, [a-z]{6}; down word 4, [a-z]{6}; across word 5, [a-z]{6}\\. "
                                   "A new puzzle is dealt\\.$");
    EXPECT_TRUE(told->accessibleName().contains(round)) << told->accessibleName().toStdString();
    EXPECT_FALSE(fieldAt(0, 0)->accessibleDescription().contains("Round over")) << "left on the new board's first cell, to be read again stale";
    EXPECT_TRUE(told->isVisible() && told->testAttribute(Qt::WA_TransparentForMouseEvents)) << "hidden, or in the way of a click";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(told)->role(), QAccessible::Notification) << "not spoken as it appears";
    EXPECT_EQ(m_game->roundOutcome->text(), "Last round: you 17, computer 47 \u2013 you lost by 30.\nThe board allowed 107. Ctrl+E: review.");
    QTest::keyClick(m_game->theWord, Qt::Key_Shift);
    EXPECT_EQ(m_game->roundOutcome->text(), "") << "the outcome outlived the player's next key";
}

// The review is of the board as submitted, and its boards name the best word of each slot.
TEST_F(RoundTest, RoundReviewSetsEachSlotBesideTheBestThatFitted)
{
    submitFirstRound();
    EXPECT_EQ(press("actionRoundReview"), "");
    std::unique_ptr<QDialog> reviewed(m_game->window()->findChild<QDialog*>("roundReview"));
    ASSERT_TRUE(reviewed);
    const QString review = reviewed->findChild<QLabel*>("reviewText")->text(), boards = reviewed->findChild<QWidget*>()->accessibleDescription(); // its first child
    const QRegularExpression fifth("Word 5 \\(across\\): SILVER \u2013 a word, 9 points. Best that fitted: [A-Z]+ \\d+; also( [A-Z]+ \\d+,){2} [A-Z]+ \\d+\\. The computer's word: [A-Z]{6}\\.\n");
    EXPECT_TRUE(review.contains(fifth)) << review.toStdString();
    EXPECT_TRUE(review.contains("(down): A\U00010400")) << review.toStdString();
    EXPECT_TRUE(boards.contains(QRegularExpression("Best possible 107: ([A-Z]+, ){4}[A-Z]+\\.$"))) << boards.toStdString();
}

// The statistics window, from the same module as the game's history, follows rounds submitted while it is open.
TEST_F(RoundTest, TheStatisticsWindowShowsARoundSubmittedWhileItIsOpen)
{
    submitFirstRound();
    EXPECT_EQ(press("actionStatistics"), "");
    submitSecondRound();
    EXPECT_TRUE(QTest::qWaitFor([this] {
        const auto labels = m_game->window()->findChild<QDialog*>()->findChildren<QLabel*>();
        return std::any_of(labels.begin(), labels.end(), [](const QLabel* label) { return label->text().startsWith("Won 0, drawn 0, lost 2"); });
    }, 30000));
    QTest::mouseClick(m_game->window()->findChild<QAbstractButton*>("reviewButton"), Qt::LeftButton); // the round as the history kept it
    EXPECT_TRUE(m_game->window()->findChildren<QDialog*>("roundReview").last()->findChild<QLabel*>("reviewText")->text().contains("Word 1 (across): GARDEN"));
}

// New Puzzle, by button or Ctrl+N, puts the focus in the new board and leaves the record saved at the last submission.
TEST_F(RoundTest, NewPuzzleLeavesTheSavedStatisticsAlone)
{
    submitFirstRound();
    press("newPuzzleButton");
    typeThen("", Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(m_game->window()->focusWidget(), fieldAt(0, 0));
    launch();
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 1);
    EXPECT_EQ(gCurrStats.totalScores, 17);
}

} // namespace
