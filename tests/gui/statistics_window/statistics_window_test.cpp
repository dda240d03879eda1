// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/statistics_window/statistics_window.h"

#include "core/history/history_csv.h"
#include "core/history/history_database.h"
#include "core/history/history_service.h"
#include "gui/statistics_window/round_board_view.h"
#include "gui/statistics_window/round_review_dialog.h"
#include "core/preferences/preferences.h"
#include "support/layer_test.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace {

// Until every answer the window asked the history for has come.
bool settled(const StatisticsWindow& window)
{
    return QTest::qWaitFor([&window] { return !window.isReading(); }, 30000);
}

// Every text the window shows or tells a screen reader, the charts' titles and the round chooser's too.
QStringList everythingShown(const StatisticsWindow& window)
{
    QStringList shown;
    for (const QWidget* widget : window.findChildren<QWidget*>())
        shown << widget->accessibleDescription();
    for (const QLabel* label : window.findChildren<QLabel*>())
        shown << label->text();
    for (const QChartView* view : window.findChildren<QChartView*>())
        shown << view->chart()->title();
    shown << window.findChild<QSpinBox*>("reviewedRound")->text();
    return shown;
}

} // namespace

// Three rounds of two players: ada's 30 with HARDEN; bob's 10 with WARDEN and 25 with GOLDEN, on daily boards long past,
// and a window that shows ada's.
class ThreeRoundsTest : public ::testing::Test {
protected:
    static bool recordThreeRounds(HistoryService& history)
    {
        for (const auto& [player, score, word] : {std::tuple("ada", 30, "HARDEN"), std::tuple("bob", 10, "WARDEN"), std::tuple("bob", 25, "GOLDEN")}) {
            RoundRecord round {player, QDateTime::fromSecsSinceEpoch(1796000000 + score, Qt::UTC), 20, {}, score, 1, score / 15 + 1, score - 5};
            round.wordSlots[0] = {0, 0, Direction::Across, "GARDEN", word, true, score};
            round.wordSlots[4] = {score == 25 ? 6 : 0, 1, Direction::Across, "GARDEN", "X", false, 0}; // bob's last round is wide
            history.recordRound(round);
        }
        return true;
    }
    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", folder.path().toUtf8()); // no preferences saved there yet
        window.show();
        ASSERT_TRUE(players && bestWords && QTest::qWaitForWindowActive(&window) && settled(window));
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_configHome); }
    QByteArray bobsCsv() const { return roundsToCsv(*HistoryDatabase(history.filePath()).allRounds("bob")); }
    void showBob() { players->setCurrentText(QStringLiteral("bob")), settled(window); }
    // Clicks Review, the reviewer keeping the round it was given.
    void review()
    {
        window.setReviewer([this](const RoundRecord& round) { return reviewed = round, RoundReview {{"HARDEN"}, "<b>Word</b> 1"}; });
        QTest::mouseClick(window.findChild<QPushButton*>("reviewButton"), Qt::LeftButton), settled(window);
    }
    QStringList shownTexts() const
    {
        QStringList texts;
        for (const QLabel* label : window.findChildren<QLabel*>())
            texts << (label->isVisible() ? label->text() : QString());
        return texts;
    }
    // Both charts as shown: each series' points or bars and the axes it is drawn on, each axis's range and ticks or its categories.
    QString charted() const
    {
        QString text;
        for (const QChartView* view : window.findChildren<QChartView*>()) {
            for (QAbstractSeries* series : view->chart()->series()) {
                const auto* bars = qobject_cast<QBarSeries*>(series);
                for (const QPointF& point : bars ? QList<QPointF>() : static_cast<QLineSeries*>(series)->points())
                    text += QStringLiteral("%1,%2 ").arg(point.x()).arg(point.y());
                for (int i = 0; bars && i < bars->barSets()[0]->count(); ++i)
                    text += QStringLiteral("%1 ").arg(bars->barSets()[0]->at(i));
                const bool isMarked = bars || static_cast<QLineSeries*>(series)->pointsVisible();
                text += QStringLiteral("on %1 axes%2 | ").arg(series->attachedAxes().size()).arg(isMarked ? "" : " unmarked");
            }
            for (const QAbstractAxis* axis : view->chart()->axes()) {
                const auto property = [axis](const char* name) { return axis->property(name).toString(); };
                const QString categories = axis->property("categories").toStringList().join(' ');
                text += QStringLiteral("%1 %2 to %3 in %4 ticks %5%6| ")
                            .arg(axis->titleText(), property("min"), property("max"), property("tickCount"), categories, property("labelFormat"));
            }
            text += view->chart()->title() + ": " + view->accessibleDescription() + (view->renderHints() & QPainter::Antialiasing ? " | " : " jagged | ");
        }
        return text;
    }

    QTemporaryDir folder;
    HistoryService history {folder.filePath(QStringLiteral("history.sqlite"))};
    const bool recorded = recordThreeRounds(history);
    StatisticsWindow window {history, QStringLiteral("ada")};
    QComboBox* players = window.findChild<QComboBox*>();
    QTableWidget* bestWords = window.findChild<QTableWidget*>();
    QSpinBox* chosen = window.findChild<QSpinBox*>("reviewedRound");
    RoundRecord reviewed;

private:
    const QByteArray m_configHome = qgetenv("XDG_CONFIG_HOME");
};

TEST_F(ThreeRoundsTest, EveryPlayerIsOfferedAndTheOneAskedForIsChosen)
{
    EXPECT_EQ(players->count(), 2);
    EXPECT_EQ(StatisticsWindow(history, "bob").findChild<QComboBox*>()->currentText(), "bob");
    chosen->stepUp();
    EXPECT_EQ(chosen->text(), QString("Round 1 of 1")) << "a round past the last to choose";
}

// Scores 10 and 25 go in buckets of two, 10-11 to 24-25, to keep within a dozen bars; no axis of a player shown before is left.
TEST_F(ThreeRoundsTest, ChartsShowThePlayersScoresAndTheirDistribution)
{
    showBob();
    EXPECT_EQ(charted().toStdString(), "1,10 2,25 on 2 axes | 1,20 2,20 on 2 axes | Round 1 to 2 in 2 ticks %d| Score 0 to 25 in 6 ticks %d| "
              "Score per round: Rounds 1 to 2 shown. Your average 17.5, best 25. The computer's average 20.0, best 20. | "
              "1 0 0 0 0 0 0 1 on 2 axes | Round score 10–11 to 24–25 in  ticks 10–11 12–13 14–15 16–17 18–19 20–21 22–23 24–25| "
              "Rounds 0 to 1 in 2 ticks %d| Your round scores: 2 rounds in all; the most, 1, scored 10 to 11. | ");
}

TEST_F(ThreeRoundsTest, BestWordsAreListedBestFirstInATableTabLeaves)
{
    showBob();
    EXPECT_EQ(bestWords->rowCount(), 2);
    EXPECT_EQ(bestWords->item(0, 0)->text(), "GOLDEN");
    bestWords->setFocus();
    QTest::keyClick(bestWords, Qt::Key_Tab);
    EXPECT_FALSE(bestWords->hasFocus()) << "Tab walks the table's cells";
}

// The record as shown, and as a screen reader hears it; of six daily results, the latest five are shown.
TEST_F(ThreeRoundsTest, TheRecordTellsWinsStreaksAndTheLatestDailyResults)
{
    showBob();
    const auto labels = window.findChildren<QLabel*>();
    const QLabel* record = *std::ranges::find(labels, QString("Rounds won, drawn and lost"), &QLabel::accessibleName);
    EXPECT_TRUE(record->isVisible());
    EXPECT_EQ(record->text(), "Won 1, drawn 0, lost 1 against the computer. Rounds won in a row: 1 now, 1 at most.\n"
                              "Daily results: 2. Days in a row: 0 now, 2 at most. Latest: #2 25 to 20, #1 10 to 20.\nHints taken in your last 2 rounds: 0.");
    EXPECT_EQ(record->accessibleDescription(), record->text());
    for (int daily = 1; daily <= 6; ++daily)
        history.recordRound({"cy", QDateTime::fromSecsSinceEpoch(1796000100 + daily, Qt::UTC), 20, {}, daily, 1, daily, {}});
    window.refresh(), settled(window);
    EXPECT_EQ(players->count(), 3) << "a new player's first round is not offered";
    players->setCurrentText(QStringLiteral("cy")), settled(window);
    EXPECT_EQ(shownTexts().filter("Latest: #6 6 to 20, #5 5 to 20, #4 4 to 20, #3 3 to 20, #2 2 to 20.").size(), 1);
}

// Review redraws the player's last round as kept, with the best words the game finds for it, in a box that lets play go on.
TEST_F(ThreeRoundsTest, ReviewShowsTheLastRoundBesideItsBestWords)
{
    showBob();
    const auto* board = window.findChild<RoundBoardView*>();
    EXPECT_EQ(board->accessibleDescription().section('.', 0, 0), QString("Your total 25, the computer's 20: you won by 5"));
    review();
    const auto* dialog = window.findChild<RoundReviewDialog*>();
    ASSERT_TRUE(dialog && dialog->isVisible()) << "the review does not show";
    EXPECT_EQ(reviewed.roundScore, 25) << "not the last round";
    EXPECT_EQ(dialog->findChild<QLabel*>("reviewText")->text(), "<b>Word</b> 1") << "not as plain text";
    EXPECT_EQ(dialog->accessibleDescription(), "") << "a reader would say the review twice, as the dialog's and as its label's";
    EXPECT_FALSE(dialog->isModal());
    const auto* boards = dialog->findChild<RoundBoardView*>();
    EXPECT_EQ(boards->accessibleName() + ": " + boards->accessibleDescription().section(". ", -1),
              "Round board: Best possible 20: HARDEN, none fitted, none fitted, none fitted, none fitted.");
    QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton); // its only button, Close
    EXPECT_FALSE(dialog->isVisible()) << "Close does not close";
}

TEST_F(ThreeRoundsTest, ReviewShowsTheChosenRoundAsKept)
{
    showBob();
    chosen->setValue(1);
    review();
    EXPECT_EQ(reviewed.roundScore, 10);
    EXPECT_EQ(chosen->text(), QString("Round 1 of 2"));
    EXPECT_TRUE(window.findChild<RoundReviewDialog*>()->findChild<RoundBoardView*>()->accessibleDescription().endsWith(
        " Best words: HARDEN, none fitted, none fitted, none fitted, none fitted.")) << "a best possible 5 below the computer's 20 shown";
}

TEST_F(ThreeRoundsTest, TheSavedWordColoursPaintTheReview)
{
    review();
    QSettings preferences(preferencesFilePath(), QSettings::IniFormat);
    savePreferences(preferences, {WordColours::ColourBlindSafe});
    review();
    const auto reviews = window.findChildren<RoundReviewDialog*>();
    ASSERT_EQ(reviews.size(), 2);
    EXPECT_TRUE(reviews[1]->grab().toImage() != reviews[0]->grab().toImage()) << "the review ignores the saved colours";
}

// The button asks where, offering the player's own file, and the rounds are written off the window's thread.
TEST_F(ThreeRoundsTest, ExportWritesThePlayersRoundsWhereTheyChoose)
{
    showBob();
    QString offered;
    QTimer::singleShot(0, [this, &offered] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        offered = dialog ? dialog->selectedFiles().value(0) : QString();
        if (dialog)
            dialog->selectFile(folder.filePath("bob.csv")), static_cast<QDialog*>(dialog)->accept();
    });
    const auto buttons = window.findChildren<QPushButton*>();
    QPushButton* exportButton = *std::ranges::find(buttons, QString("Export CSV"), &QPushButton::accessibleName);
    QTest::mouseClick(exportButton, Qt::LeftButton); // back before the rounds are written
    EXPECT_EQ(offered, StatisticsWindow::exportFilePath("bob"));
    EXPECT_FALSE(exportButton->isEnabled()) << "a second export while the first is written";
    EXPECT_TRUE(shownTexts().contains("Exporting…"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownTexts().contains("Wrote 2 rounds to " + folder.filePath("bob.csv")); }));
    EXPECT_TRUE(exportButton->isEnabled());
    EXPECT_EQ(fileText(folder.filePath("bob.csv")), bobsCsv());
}

// A full disk (a child that cannot write past 16 bytes) and a history that cannot be read both fail the export.
TEST_F(ThreeRoundsTest, AnExportThatCannotBeWrittenOrReadFailsAndLeavesTheFileBe)
{
    HistoryDatabase reader(history.filePath(), HistoryService::kGlanceMs, HistoryDatabase::Access::Read);
    ASSERT_TRUE(exportRoundsCsv(reader, "bob", folder.filePath("bob.csv")).problem.isEmpty());
    const pid_t child = fork();
    if (child == 0) {
        const rlimit full {16, 16};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &full);
        _exit(exportRoundsCsv(reader, "bob", folder.filePath("bob.csv")).problem.isEmpty());
    }
    int status = 1;
    EXPECT_TRUE(waitpid(child, &status, 0) == child && status == 0) << "a failed export reports success";
    HistoryDatabase lost(QStringLiteral("/proc/sixfold/history.sqlite"), HistoryService::kGlanceMs, HistoryDatabase::Access::Read);
    EXPECT_FALSE(exportRoundsCsv(lost, "bob", folder.filePath("bob.csv")).problem.isEmpty()) << "an unreadable history exported as none";
    EXPECT_EQ(fileText(folder.filePath("bob.csv")), bobsCsv()) << "a failed export spoilt the file before";
}

// A hundred thousand rounds: all of them charted as means, said so, every round number on the axis whole.
TEST(StatisticsWindowTest, ALongHistoryIsChartedAsMeansWithWholeRoundNumbers)
{
    QTemporaryDir folder;
    HistoryDatabase history(folder.filePath(QStringLiteral("history.sqlite")));
    history.recordRound({"ada", QDateTime::fromSecsSinceEpoch(1796000000, Qt::UTC), 20, {}, 49, 1, 0, {}});
    {
        QSqlDatabase bulk = QSqlDatabase::addDatabase("QSQLITE", "bulk");
        bulk.setDatabaseName(history.filePath());
        ASSERT_TRUE(bulk.open() && QSqlQuery(bulk).exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 99999)"
                                                        " INSERT INTO rounds (player, played_at, computer_words, computer_score, round_score,"
                                                        " words_made) SELECT 'ada', 1796000000000 - i, '', 20, i % 50, 0 FROM n"));
    }
    QSqlDatabase::removeDatabase("bulk");
    HistoryService service(history.filePath());
    StatisticsWindow window(service, QStringLiteral("ada"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window) && settled(window));
    auto* chart = window.findChild<QChartView*>()->chart();
    const auto roundLabels = [chart] {
        QCoreApplication::processEvents();
        QStringList labels;
        for (const QGraphicsItem* item : chart->scene()->items()) {
            const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
            if (text && item->isVisible() && item->sceneBoundingRect().top() >= chart->mapRectToScene(chart->plotArea()).bottom())
                labels << text->toPlainText();
        }
        return labels.join(' ');
    };
    EXPECT_TRUE(roundLabels().contains("100000") && !roundLabels().contains(QChar(0x2026))) << roundLabels().toStdString();
    window.findChild<QCheckBox*>()->setChecked(true);
    ASSERT_TRUE(settled(window));
    EXPECT_EQ(static_cast<QLineSeries*>(chart->series()[0])->count(), 1000) << "not every round charted"; // what each point holds: RoundFiguresTest
    EXPECT_EQ(chart->title(), "Score per round<br>Each point: the mean of 100 rounds");
    EXPECT_TRUE(roundLabels().contains("100000") && !roundLabels().contains(QChar(0x2026))) << roundLabels().toStdString();
}

// Every part of an empty history says what will show there, and the charts follow a dark desktop.
TEST(StatisticsWindowTest, AnEmptyHistorySaysWhatWillAppear)
{
    QTemporaryDir folder;
    HistoryService history(folder.filePath(QStringLiteral("history.sqlite")));
    QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35))); // a dark desktop
    const std::unique_ptr<StatisticsWindow> shown(StatisticsWindow::showFor(history, QStringLiteral("ada")));
    ASSERT_TRUE(settled(*shown));
    const QImage none = shown->findChild<RoundBoardView*>()->grab().toImage();
    EXPECT_TRUE(none != none.copy(0, 0, 1, 1).scaled(none.size())) << "the empty board's text is not drawn";
    const QStringList texts = everythingShown(*shown);
    EXPECT_EQ(texts.filter("No round yet: the last round you submit is redrawn here.").size(), 1) << texts.join(" | ").toStdString();
    QStringList waiting = texts.filter("once you submit a round");
    waiting.removeDuplicates(); // seen and heard alike
    EXPECT_EQ(waiting.size(), 4) << "the record, the best words and both charts: " << texts.join(" | ").toStdString();
    for (const QChartView* view : shown->findChildren<QChartView*>())
        EXPECT_EQ(view->chart()->theme(), QChart::ChartThemeDark) << view->chart()->title().toStdString();
    QApplication::setPalette(QPalette());
    qputenv("HOME", folder.path().toUtf8()); // no Documents folder there
    EXPECT_EQ(StatisticsWindow::exportFilePath("a/b"), folder.filePath("a_b-rounds.csv"));
    const QSpinBox* round = shown->findChild<QSpinBox*>();
    const bool canReview = round->isEnabled() || shown->findChild<QPushButton*>("reviewButton")->isEnabled();
    EXPECT_FALSE(canReview) << "a round to review in an empty history";
    EXPECT_EQ(round->text(), "No round yet");
    EXPECT_EQ(shown->findChild<QComboBox*>()->currentText(), "ada");
    const auto buttons = shown->findChildren<QPushButton*>();
    QTest::mouseClick(*std::ranges::find(buttons, QString("Close"), &QPushButton::text), Qt::LeftButton);
    EXPECT_FALSE(shown->isVisible()) << "Close does not close";
}

// A history that cannot be read (here, one from a newer game) says why wherever its figures would show.
TEST(StatisticsWindowTest, AHistoryThatCannotBeReadIsNeverShownAsAnEmptyOne)
{
    QTemporaryDir folder;
    {
        QSqlDatabase later = QSqlDatabase::addDatabase("QSQLITE", "later");
        later.setDatabaseName(folder.filePath("history.sqlite"));
        ASSERT_TRUE(later.open() && QSqlQuery(later).exec("PRAGMA user_version=2"));
    }
    QSqlDatabase::removeDatabase("later");
    HistoryService history(folder.filePath("history.sqlite"));
    StatisticsWindow window(history, "ada");
    ASSERT_TRUE(settled(window));
    const QStringList shown = everythingShown(window);
    const QString why = "the history is from a newer version of the game.";
    EXPECT_EQ(shown.filter("yet").size() + shown.filter("once you submit").size(), 0) << shown.join(" | ").toStdString();
    EXPECT_EQ(shown.filter(why).size(), 9) << shown.join(" | ").toStdString();
}

// A character beyond the Basic Multilingual Plane takes one cell of the redrawn round.
TEST(RoundBoardViewTest, EachCellDrawsOneWholeCharacterInItsInkWhereverTheRoundLies)
{
    const auto drawn = [](const char* letters, QString best = {}, int corner = 0, const BoardPalette& colours = {}, bool isWord = false) {
        RoundRecord round; // across words two rows apart, crossed by the second going down
        for (int slot = 0; slot < kRoundSlots; ++slot)
            round.wordSlots[size_t(slot)] = {corner, slot == 1 ? corner : 2 * slot + corner, slot == 1 ? Direction::Down : Direction::Across, "GARDEN", letters, isWord};
        RoundBoardView view;
        view.setRound(round);
        view.setBestWords(best.isEmpty() ? std::nullopt : std::optional(std::array {best, best, best, best, best})); // none: two boards
        view.setColours(colours);
        view.resize(view.sizeHint());
        return view.grab().toImage();
    };
    EXPECT_TRUE(drawn("\U00010400ARDEN") != drawn("\U00010400ARDEX")) << "the sixth letter is not drawn";
    EXPECT_TRUE(drawn("GARDEN", "HARDEN") != drawn("GARDEN", "WARDEN")) << "the third board does not draw the best words";
    EXPECT_TRUE(drawn("GARDEN", "HARDEN", 3) == drawn("GARDEN", "HARDEN")) << "a round away from the corner is drawn elsewhere";
    const QImage garden = drawn("GARDEN");
    const auto captions = [](const QImage& image) { return image.copy(0, 0, image.width(), 20); };
    for (QColor BoardPalette::*role : {&BoardPalette::cell, &BoardPalette::inputText, &BoardPalette::nonWord, &BoardPalette::fixedText}) {
        BoardPalette colours;
        colours.*role = Qt::green;
        const QImage recoloured = drawn("GARDEN", {}, 0, colours);
        EXPECT_TRUE(recoloured != garden) << "a colour of the board is not drawn";
        EXPECT_TRUE(captions(recoloured) == captions(garden)) << "the board's colours taken for the captions'";
    }
    const BoardPalette red {.word = Qt::red, .nonWord = Qt::red};
    const QImage word = drawn("GARDEN", {}, 0, red, true); // the mark of a word, under the letter and inset from the cell's sides
    const auto at = [&word](int x, int y) { return word.pixelColor(x, y); };
    EXPECT_TRUE(word != drawn("GARDEN", {}, 0, red)) << "colour alone tells a word";
    EXPECT_EQ(at(29, 39), QColor(Qt::red)) << "no mark under the letter";
    EXPECT_EQ(at(29, 40), QColor(Qt::red)) << "no mark under the letter";
    EXPECT_EQ(at(28, 40), red.cell) << "the mark reaches the cell's side";
    EXPECT_EQ(at(29, 41), red.cell) << "the mark too thick";
}
