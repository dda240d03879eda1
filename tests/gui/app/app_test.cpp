// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/game_test.h"

#include "core/dictionary/dictionary.h"
#include "core/history/history_database.h"
#include "core/history/history_files.h"
#include "core/history/history_service.h"
#include "core/board/board_code.h"
#include "support/temporary_resources.h"
#include "gui/app/shortcut_help.h"
#include "gui/look/window_handle.h"
#include "gui/look/zoom.h"
#include "core/board/word_list.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QInputDialog> // and QDialog
#include <QMessageBox>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include <functional>

#include <span>

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

// In the Tab order the board comes before Check All Words and after the console, a stop but no trap: Tab from the last
// word's end leaves for Check All Words, Shift+Tab from the first word for the console, and Tab from it enters the first word.
TEST_F(AppTest, TabLeavesTheBoardAtEitherEndAndTheConsoleIsAStopButNoTrap)
{
    launch();
    showWorkedExample();
    fillAcross(0, 0, "G");
    const auto key = [](QWidget* from, Qt::Key key, QWidget* to) {
        from->setFocus(), QTest::keyClick(from, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(QApplication::focusWidget(), to) << to->objectName().toStdString();
    };
    const auto named = [this](const char* name) { return m_game->window()->findChild<QWidget*>(name); };
    key(fieldAt(8, 8), Qt::Key_Tab, named("checkAllWordsButton"));
    key(fieldAt(3, 0), Qt::Key_Backtab, m_game->resultView);
    key(m_game->resultView, Qt::Key_Tab, fieldAt(2, 0));
    key(named("changeUserButton"), Qt::Key_Tab, m_game->resultView);
}

// Each button and field is told its key, the key its action answers, and the help lists every action's key. The fields' keys
// reach them from the board too.
TEST_F(AppTest, ControlsNameTheirKeysInTooltipsAndTheHelpListsEveryKey)
{
    launch();
    QStringList tips;
    for (const char* name : {"checkAllWordsButton", "submitButton", "newPuzzleButton", "theWord", "checkWordButton", "newUserName", "changeUserButton"})
        tips << m_game->window()->findChild<QWidget*>(name)->toolTip();
    EXPECT_EQ(tips.join(" | "), "Check All Words (Ctrl+K) | Submit (Ctrl+Return) | New Puzzle (Ctrl+N) | Look Up a Word (Ctrl+L) | "
                                "Check Word (Return in the word field) | Change Player (Ctrl+P) | Change User (Return in the name field)");
    const QString help = keyboardShortcutsText(m_game->window());
    for (const QAction* action : m_game->window()->findChildren<QAction*>()) {
        const QString key = action->shortcut().toString(QKeySequence::NativeText);
        EXPECT_TRUE(key.isEmpty() || help.contains("<b>" + key.toHtmlEscaped() + "</b>")) << key.toStdString() << " not in the help";
    }
    fieldAt(0, 0)->setFocus();
    typeThen("", Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), m_game->theWord);
    typeThen("", Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), m_game->newUserName);
}

// Only the board code's dialog stops play, and asks for it; each help box has its own title and text, shown as rich text; every control is named.
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
                                  "howToPlayCard How to Play", "keyboardShortcutsBox Keyboard Shortcuts <table cel",
                                  "preferencesDialog Preferences", "roundReview Round Review Submit a r"}));

    // As a screen reader finds them: every control Tab reaches named (by its label where it has one, a popup list by its box)
    // and no description opening with a stray separator.
    QStringList faults;
    const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* item) {
        const QString name = item->text(QAccessible::Name), description = item->text(QAccessible::Description);
        const auto* widget = qobject_cast<const QWidget*>(item->object());
        if (widget && (widget->focusPolicy() & Qt::TabFocus) && widget->window()->windowType() != Qt::Popup && name.trimmed().isEmpty())
            faults << widget->metaObject()->className() + QString(" has no name in ") + widget->window()->windowTitle();
        if (description.size() && description.at(0).isPunct())
            faults << name + " is described as " + description;
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i));
    };
    QList<QWidget*> windows {m_game->window()};
    for (QDialog* box : m_game->window()->findChildren<QDialog*>())
        windows << box;
    for (QWidget* window : windows) {
        walk(QAccessible::queryAccessibleInterface(window));
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            const QString shown = QString(label->text()).remove('&').remove(QRegularExpression(":$"));
            if (label->buddy() && !QAccessible::queryAccessibleInterface(label->buddy())->text(QAccessible::Name).startsWith(shown))
                faults << label->buddy()->objectName() + " is not named " + shown;
        }
    }
    EXPECT_EQ(faults, QStringList());
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

// Keys pressed on the board step the zoom; Actual Size gives back the window exactly as laid out, and the next launch opens at the last zoom.
TEST_F(AppTest, TheZoomFollowsItsKeysAndTheNextLaunchOpensAtIt)
{
    launch();
    const QWidget* content = m_game->window()->centralWidget();
    const auto layout = [content] { // each control's rectangle
        QList<QRect> rects;
        for (const QWidget* child : content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            rects << child->geometry();
        return rects;
    };
    const QList<QRect> laidOut = layout();
    fieldAt(0, 0)->setFocus();
    const struct { Qt::Key key; int zoom; } steps[] = {{Qt::Key_Plus, 125}, {Qt::Key_Equal, 150}, {Qt::Key_Minus, 125}, {Qt::Key_0, 100}, {Qt::Key_Minus, 100},
                                                       {Qt::Key_Equal, 125}, {Qt::Key_Equal, 150}, {Qt::Key_Equal, 175}, {Qt::Key_Equal, 200}, {Qt::Key_Equal, 200}};
    for (const auto& [key, zoom] : steps) {
        typeThen("", key, Qt::ControlModifier);
        EXPECT_EQ(content->size(), QSize(1036, 664) * (zoom / 100.0)) << "Ctrl+" << QKeySequence(key).toString().toStdString() << " to " << zoom;
        const int cell = 32 * zoom / 100; // the first cell at 32, 36 when laid out
        EXPECT_EQ(QRect(fieldAt(0, 0)->mapTo(content, QPoint()), fieldAt(0, 0)->size()), QRect(cell, 36 * zoom / 100, cell, cell)) << zoom;
        EXPECT_EQ(fieldAt(0, 0)->font().pointSizeF(), 20.0 * zoom / 100) << "the board's letters at " << zoom;
        EXPECT_EQ(m_game->theWord->font().pointSizeF(), QApplication::font().pointSizeF() * zoom / 100) << "the desktop's font at " << zoom;
        if (zoom == 100) {
            EXPECT_EQ(layout(), laidOut) << "Actual Size moved a control";
        }
    }
    quit();
    m_game = std::make_unique<AppDelegate>();
    EXPECT_EQ(m_game->window()->centralWidget()->size(), QSize(2072, 1328)) << "not opened at the zoom left";
    zoomWindow(m_game->window(), 100);
}

// At every zoom, with the desktop's font and with one two points larger, a round's outcome, a word's points, the scores and every control's text show whole.
TEST_F(AppTest, EveryTextFitsAtEveryZoomAndWithALargerDesktopFont)
{
    const QFont desktop = QApplication::font();
    for (const qreal larger : {0, 2}) {
        QFont font = desktop;
        font.setPointSizeF(desktop.pointSizeF() + larger);
        QApplication::setFont(font);
        launch(), showWorkedExample(), fillAcross(0, 0, "GARDEN"), press("actionSubmit");
        showWorkedExample(), fillAcross(0, 0, "GARDEN"), press("actionCheckAllWords");
        for (const int zoom : kZoomSteps) {
            while (windowZoom() < zoom)
                press("actionZoomIn");
            EXPECT_EQ(cutTexts(m_game->window()), QStringList()) << zoom << " % with a font " << larger << " points larger";
        }
        m_game->zoom(0);
    }
    QApplication::setFont(desktop);
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
    press("actionHint"), press("submitButton");
    const std::string said = press("actionCopyResult");
    EXPECT_TRUE(said.ends_with("words · 1 hint\n")) << said;
    EXPECT_EQ(said, "Result copied:\n" + QApplication::clipboard()->text().toStdString()); // what it holds: game_test and SharedResultTest
}

// A round as older games kept it, without its best possible, is scored as the statistics show it.
TEST_F(AppTest, ARoundKeptWithoutItsBestPossibleIsScoredWhenTheStatisticsShowIt)
{
    launch();
    press("actionHint"), press("actionHint"), press("submitButton");
    HistoryDatabase history(dataHome() + "/sixfold/history.sqlite");
    const QString player = QString::fromUtf8(gUserName);
    ASSERT_TRUE(QTest::qWaitFor([&] { return history.lastRound(player).has_value(); }, 30000));
    RoundRecord last = history.lastRound(player).value(), unscored = last;
    ASSERT_TRUE(last.bestPossible.has_value());
    EXPECT_EQ(last.hints, 2);
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

// A player new to the game, at launch or by Change User, whatever the name holds, is shown the How to play card over the
// window once; a key or a click closes it, and Help shows it again. The console's welcome stays as it was.
TEST_F(AppTest, TheHowToPlayCardTeachesEachPlayerOnce)
{
    m_teaches = true;
    EXPECT_EQ(launch(), kWelcome);
    const auto card = [this] { return m_game->window()->findChildren<QDialog*>("howToPlayCard").value(0); };
    const auto closeWith = [&](Qt::Key key) { // where the card keeps its focus: offscreen, the window keeps the keys
        const std::unique_ptr<QDialog> shown(card()); // deleted on close, but later
        EXPECT_TRUE(shown && shown->windowModality() == Qt::WindowModal && shown->findChild<QLabel*>("howToPlayText")->text().contains("beat the computer's score") && shown->accessibleDescription().isEmpty());
        QTest::keyClick(shown ? shown->focusWidget() : nullptr, key);
        EXPECT_FALSE(shown && shown->isVisible()) << "open after the key";
    };
    closeWith(Qt::Key_Return);
    m_game->newUserName->setText("b, \"c\"=d/e"), press("changeUserButton"), closeWith(Qt::Key_Escape);
    EXPECT_FALSE((launch(), card())) << "shown again to the last player";
    ASSERT_TRUE((press("actionHowToPlay"), card())) << "not in the Help menu";
    QTest::mouseClick(card(), Qt::LeftButton);
    EXPECT_FALSE(card()->isVisible()) << "a click left it open";
}

// The daily line turns at the clock's next minute; a day's result shows once submitted, and keeps the streak past midnight.
TEST_F(AppTest, TheDailyLineFollowsTheDaysResultAndTheClockPastMidnight)
{
    QDateTime now({2026, 12, 7}, {23, 59, 30}, Qt::UTC);
    m_clock = [&now] { return now; };
    launch("daily");
    const QLabel* line = m_game->dailyLine;
    const auto shows = [line](const char* text) { return QTest::qWaitFor([&] { return line->text() == text; }, 30000); };
    auto* timer = m_game->findChild<QTimer*>("dailyLineTimer");
    EXPECT_TRUE(shows("Daily #341\ntoday's board to play\nno streak\nnext in 1 min"));
    EXPECT_TRUE(timer->isActive() && timer->interval() == 30000);
    EXPECT_TRUE(line->accessibleDescription() == line->text() && line->isVisible() && line->sizeHint().height() <= line->height());
    for (const GridCell& cell : std::span(&gGrid[0][0], gGridSize * gGridSize)) // a full board, which nothing asks about before it is submitted
        cell.field && cell.editable ? cell.field->setText("A") : void();
    press("submitButton");
    EXPECT_TRUE(shows("Daily #341\ntoday's result is in\nstreak 1 day\nnext in 1 min"));
    now = now.addSecs(40), QMetaObject::invokeMethod(timer, "timeout"); // past midnight
    EXPECT_TRUE(shows("Daily #342\ntoday's board to play\nstreak 1 day\nnext in 24 h"));
    EXPECT_EQ(timer->interval(), 50000);
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
    EXPECT_TRUE(described.endsWith("word. Points: 8 for 1 across.")) << "the check left on the cell, to be read stale each time the focus comes back: " << described.toStdString();
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
    EXPECT_EQ(points->text(), "1: +8");
    EXPECT_EQ(points->accessibleName(), "1 across: 8 points");
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
                                   "1 across, [a-z]{6}; 2 down, [a-z]{6}; 3 across, [a-z]{6}; 4 down, [a-z]{6}; 5 across, [a-z]{6}\\. "
                                   "A new puzzle is dealt\\.$");
    EXPECT_TRUE(told->accessibleName().contains(round)) << told->accessibleName().toStdString();
    EXPECT_FALSE(fieldAt(0, 0)->accessibleDescription().contains("Round over")) << "left on the new board's first cell, to be read again stale";
    EXPECT_TRUE(told->isVisible() && told->testAttribute(Qt::WA_TransparentForMouseEvents)) << "hidden, or in the way of a click";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(told)->role(), QAccessible::Notification) << "not spoken as it appears";
    EXPECT_EQ(m_game->roundOutcome->text(), "Last round: you 17, computer 47 \u2013 you lost by 30.\nThe board allowed 107. With common words 90. Ctrl+E: review.");
    QTest::keyClick(m_game->theWord, Qt::Key_Shift);
    EXPECT_EQ(m_game->roundOutcome->text(), "") << "the outcome outlived the player's next key";
}

// The review is of the board as submitted, with its hint, and its boards name the best word of each slot.
TEST_F(RoundTest, RoundReviewSetsEachSlotBesideTheBestThatFitted)
{
    fieldAt(5, 5)->setFocus();
    const std::string hinted = press("actionHint");
    EXPECT_EQ(hinted, "Hint: " + fieldAt(5, 5)->text().toStdString() + " in row 6, column 6.\n");
    fieldAt(0, 0)->setFocus(), submitFirstRound();
    EXPECT_EQ(press("actionRoundReview"), "");
    std::unique_ptr<QDialog> reviewed(m_game->window()->findChild<QDialog*>("roundReview"));
    ASSERT_TRUE(reviewed);
    const QString review = reviewed->findChild<QLabel*>("reviewText")->text(), boards = reviewed->findChild<QWidget*>()->accessibleDescription(); // its first child
    const QRegularExpression fifth("Word 5 \\(across\\): SILVER \u2013 a word, 9 points. Best that fitted: [A-Z]+ \\d+( \\(rare\\))?; also( [A-Z]+ \\d+( \\(rare\\))?,){2} [A-Z]+ \\d+( \\(rare\\))?\\. The computer's word: [A-Z]{6}\\.\n");
    EXPECT_TRUE(review.contains(fifth)) << review.toStdString();
    EXPECT_TRUE(review.contains("(down): A\U00010400")) << review.toStdString();
    EXPECT_TRUE(review.endsWith("the board allowed 107, with common words 90. 1 hint taken.")) << review.toStdString();
    EXPECT_TRUE(boards.contains(QRegularExpression("Best possible 107: ([A-Z]+, ){4}[A-Z]+\\. 1 hint taken\\.$"))) << boards.toStdString();
}

// Submit of an unfinished board asks first, by each of its ways, and a full one never: the safe choice is the default and
// Escape leaves the round as it was; "Don't ask again" is kept, but the daily board's one scored submission asks still.
TEST_F(RoundTest, SubmitAsksBeforeScoringAnUnfinishedBoard)
{
    QFile::remove(configHome() + "/sixfold/sixfold.conf"); // as a new player's game asks
    const auto asked = [this] { // what the open question says, and whether its default is the safe choice
        const QMessageBox* box = m_game->window()->findChild<QMessageBox*>("submitQuestion");
        const bool safe = box && box->defaultButton() == box->escapeButton() && box->escapeButton()->text() == "&Keep Playing";
        return !box ? QString() : box->text() + box->informativeText() + (safe ? "" : " (unsafe)");
    };
    const auto answer = [this](bool submit) { // "Don't ask again" ticked
        const std::unique_ptr<QMessageBox> box(m_game->window()->findChild<QMessageBox*>("submitQuestion")); // deleted on close, but later
        box->checkBox()->setChecked(true), submit ? box->buttons().constFirst()->click() : QTest::keyClick(box.get(), Qt::Key_Escape);
    };
    fillAcross(0, 0, "GARDEN"), typeThen("", Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(asked(), "4 of 5 words are unfinished. Submit anyway?");
    EXPECT_EQ(printedBy([&] { answer(false); }), "") << "a cancelled Submit said something";
    EXPECT_TRUE(gCurrStats.totalPuzzlesSubmitted == 0 && !QFile::exists(dataHome() + "/sixfold/history.sqlite")) << "a cancelled round was recorded";
    EXPECT_EQ(fieldAt(0, 0)->text() + (m_game->window()->focusWidget() == fieldAt(0, 0) ? "" : " unfocused"), "G");
    fillAcross(0, 3, "CHOSEN"), fillAcross(3, 8, "SILVER"), fieldAt(5, 0)->setText(""); // every word finished but GARDEN
    for (const auto& [x, y] : {std::pair(1, 1), {1, 2}, {1, 4}, {1, 5}, {5, 4}, {5, 5}, {5, 6}, {5, 7}})
        fieldAt(x, y)->setText("E");
    EXPECT_EQ((press("submitButton"), asked()), "1 of 5 words is unfinished. Submit anyway?");
    answer(false), fieldAt(5, 0)->setText("N"), press("submitButton"), press("actionSubmit");
    EXPECT_EQ(asked(), "5 of 5 words are unfinished. Submit anyway?") << "the full board was asked, or the next was not";
    answer(true), press("actionDailyBoard"), press("actionSubmit");
    EXPECT_TRUE(asked().contains("Submit anyway?This is your one scored submission of Daily #")) << "the day's result went in unasked";
    answer(true), press("actionDailyBoard"), press("actionSubmit");
    EXPECT_EQ(asked(), "") << "\"Don't ask again\" asked again";
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 4);
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
