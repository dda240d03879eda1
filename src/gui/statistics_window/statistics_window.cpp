// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/statistics_window/statistics_window.h"

#include "core/history/history_csv.h"
#include "core/history/history_database.h"
#include "core/history/history_service.h"
#include "core/history/round_figures.h"
#include "core/preferences/preferences.h"
#include "core/board/board_code.h"
#include "gui/statistics_window/round_board_view.h"
#include "gui/statistics_window/round_review_dialog.h"
#include "gui/look/forwarding_accessible.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace {

constexpr int kRecentRounds = 100;
constexpr int kLookAgainMs = 3000;
constexpr int kMostTicks = 6;
// Beside its text, a label needs this much of its share of the axis not to be cut short: the
// chart's padding on either side, and a little air.
constexpr qreal kLabelRoom = 16;

// From `low` to `low + steps * step`, at least `high`, in steps + 1 ticks.
struct WholeRange {
    int low {};
    int step {};
    int steps {};

    int high() const { return low + steps * step; }
};

// Counts and round numbers are whole: ticks fall on whole numbers, so that no two labels
// read the same, however few rounds there are.
WholeRange wholeRange(int low, int high, int mostTicks = kMostTicks)
{
    const int step = std::max(1, (high - low + mostTicks - 2) / (mostTicks - 1));
    return {low, step, std::max(1, (high - low + step - 1) / step)};
}

void setWholeRange(QValueAxis& axis, const WholeRange& range)
{
    axis.setRange(range.low, range.high());
    axis.setTickCount(range.steps + 1);
    axis.setLabelFormat(QStringLiteral("%d"));
}

void fillDistribution(QChart& chart, const QList<ScoreBucket>& buckets)
{
    chart.removeAllSeries();
    // A removed axis is the caller's again.
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    if (buckets.isEmpty())
        return;
    auto* rounds = new QBarSet(QCoreApplication::translate("StatisticsWindow", "Rounds"));
    QStringList labels;
    int most = 1;
    for (const ScoreBucket& bucket : buckets) {
        *rounds << bucket.rounds;
        //: A range of round scores under a bar of the chart: "10–11".
        labels << (bucket.low == bucket.high ? QString::number(bucket.low)
                                             : QCoreApplication::translate("StatisticsWindow", "%1–%2").arg(bucket.low).arg(bucket.high));
        most = std::max(most, bucket.rounds);
    }
    auto* series = new QBarSeries;
    series->append(rounds);
    chart.addSeries(series);
    auto* scores = new QBarCategoryAxis;
    scores->append(labels);
    scores->setTitleText(QCoreApplication::translate("StatisticsWindow", "Round score"));
    auto* howMany = new QValueAxis;
    howMany->setTitleText(QCoreApplication::translate("StatisticsWindow", "Rounds"));
    chart.addAxis(scores, Qt::AlignBottom);
    chart.addAxis(howMany, Qt::AlignLeft);
    series->attachAxis(scores);
    series->attachAxis(howMany);
    setWholeRange(*howMany, wholeRange(0, most));
}

QChartView* viewOf(QChart* chart, const QString& name)
{
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(380, 260);
    view->setAccessibleName(name);
    view->viewport()->setAccessibleName(name); // which takes the focus for it
    return view;
}

// Why the history could not be read, where the figures would be; a chart's title breaks the
// line where a label would wrap it.
constexpr char kChartLine[] = "<br>";
QString cannotShow(const QString& problem, const char* lineBreak = " ")
{
    //: %1 is a space or a line break, %2 why the history could not be read.
    return QCoreApplication::translate("StatisticsWindow", "Your statistics cannot be shown:%1%2.").arg(QLatin1String(lineBreak), problem);
}

} // namespace

StatisticsWindow::StatisticsWindow(HistoryService& history, const QString& player, QWidget* parent)
    : QDialog(parent)
    , m_history(history)
    , m_players(new QComboBox)
    , m_allRounds(new QCheckBox(tr("&All rounds")))
    , m_scoreChart(new QChart)
    , m_yourScores(new QLineSeries)
    , m_computerScores(new QLineSeries)
    , m_roundAxis(new QValueAxis)
    , m_scoreAxis(new QValueAxis)
    , m_distributionChart(new QChart)
    , m_record(new QLabel)
    , m_bestWordsLabel(new QLabel)
    , m_exported(new QLabel)
    , m_export(new QPushButton(tr("&Export CSV…")))
    , m_scoreView(viewOf(m_scoreChart, tr("Score per round")))
    , m_distributionView(viewOf(m_distributionChart, tr("Distribution of your round scores")))
    , m_bestWords(new QTableWidget(0, 3))
    , m_lastRound(new RoundBoardView)
    , m_review(new QPushButton(tr("&Review")))
    , m_reviewedRound(new QSpinBox)
{
    setWindowTitle(tr("Statistics"));

    auto* playerLabel = new QLabel(tr("&Player:"));
    playerLabel->setBuddy(m_players);
    nameComboBoxesByTheirNames();
    m_players->setAccessibleName(tr("Player"));
    showPlayer(player);
    m_allRounds->setAccessibleName(tr("Show all rounds"));
    m_export->setAccessibleName(tr("Export CSV"));
    auto* closeButton = new QPushButton(tr("Close"));

    m_yourScores->setName(tr("You"));
    m_computerScores->setName(tr("Computer"));
    m_scoreChart->addSeries(m_yourScores);
    m_scoreChart->addSeries(m_computerScores);
    m_roundAxis->setTitleText(tr("Round"));
    m_scoreAxis->setTitleText(tr("Score"));
    m_scoreChart->addAxis(m_roundAxis, Qt::AlignBottom);
    m_scoreChart->addAxis(m_scoreAxis, Qt::AlignLeft);
    for (QLineSeries* series : {m_yourScores, m_computerScores}) {
        series->attachAxis(m_roundAxis);
        series->attachAxis(m_scoreAxis);
    }
    m_distributionChart->legend()->hide();

    m_record->setAccessibleName(tr("Rounds won, drawn and lost"));
    m_record->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_record->setWordWrap(true); // a longer line for another player must not widen the window
    m_exported->setWordWrap(true);
    m_exported->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_bestWords->setAccessibleName(tr("Your best words"));
    // One stop in the Tab order: the arrow keys walk the cells, Tab leaves the table.
    m_bestWords->setTabKeyNavigation(false);
    m_bestWords->setHorizontalHeaderLabels({tr("Word"), tr("Score"), tr("Played")});
    m_bestWords->verticalHeader()->hide();
    m_bestWords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_bestWords->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_bestWords->horizontalHeader()->setStretchLastSection(true);

    auto* controls = new QHBoxLayout;
    controls->addWidget(playerLabel);
    controls->addWidget(m_players, 1);
    controls->addWidget(m_allRounds);
    controls->addStretch(1);
    controls->addWidget(m_export);
    controls->addWidget(closeButton);
    m_bestWordsLabel->setWordWrap(true);
    m_bestWordsLabel->setBuddy(m_bestWords);
    auto* lastRoundLabel = new QLabel(tr("Last round"));
    auto* grid = new QGridLayout(this);
    grid->addLayout(controls, 0, 0, 1, 2);
    grid->addWidget(m_exported, 1, 0, 1, 2);
    grid->addWidget(m_scoreView, 2, 0);
    grid->addWidget(m_distributionView, 2, 1);
    grid->addWidget(m_record, 3, 0, 1, 2);
    grid->addWidget(m_bestWordsLabel, 4, 0);
    grid->addWidget(lastRoundLabel, 4, 1);
    grid->addWidget(m_bestWords, 5, 0);
    grid->addWidget(m_lastRound, 5, 1, Qt::AlignTop | Qt::AlignHCenter);
    auto* reviewRow = new QHBoxLayout;
    reviewRow->addStretch(1);
    reviewRow->addWidget(m_reviewedRound);
    reviewRow->addWidget(m_review);
    grid->addLayout(reviewRow, 6, 1);
    m_reviewedRound->setObjectName(QStringLiteral("reviewedRound"));
    m_reviewedRound->setAccessibleName(tr("Round to review"));
    //: Before the round number in the chooser: "Round 3 of 12".
    m_reviewedRound->setPrefix(tr("Round "));
    // Until the first answer comes, nothing says that the history is empty.
    m_reviewedRound->setRange(0, 0);
    //: The round chooser while it has no round to offer.
    m_reviewedRound->setSpecialValueText(tr("Round –"));
    m_reviewedRound->setEnabled(false);
    m_review->setEnabled(false);
    m_lastRound->setRound(std::nullopt, tr("Reading the history…"));
    m_review->setObjectName(QStringLiteral("reviewButton"));
    m_review->setAccessibleName(tr("Review the chosen round"));
    connect(m_review, &QPushButton::clicked, this, &StatisticsWindow::reviewChosenRound);
    if (isDarkDesktop(palette())) {
        m_scoreChart->setTheme(QChart::ChartThemeDark);
        m_distributionChart->setTheme(QChart::ChartThemeDark);
    }
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    setWordColours(loadPreferences(settings).wordColours);

    connect(m_players, &QComboBox::currentTextChanged, this, &StatisticsWindow::reload);
    connect(m_allRounds, &QCheckBox::toggled, this, [this] { showRounds(); });
    connect(m_scoreChart, &QChart::plotAreaChanged, this, &StatisticsWindow::fitRoundAxis);
    connect(m_export, &QPushButton::clicked, this, &StatisticsWindow::chooseExportFile);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    refresh();
}

StatisticsWindow* StatisticsWindow::showFor(HistoryService& history, const QString& player, QWidget* parent)
{
    auto* window = new StatisticsWindow(history, player, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

template <class Work, class Done>
void StatisticsWindow::ask(Work work, Done done)
{
    ++m_reading;
    m_history.ask(this, std::move(work), [this, done = std::move(done)](const auto& answer, const QString& problem) {
        --m_reading;
        done(answer, problem);
    });
}

void StatisticsWindow::refresh()
{
    ask([](HistoryDatabase& history) { return history.players(); }, [this](const QStringList& players, const QString&) {
        for (const QString& name : players) {
            if (m_players->findText(name) < 0)
                m_players->addItem(name);
        }
    });
    reload();
}

void StatisticsWindow::setWordColours(WordColours colours)
{
    m_lastRound->setColours(boardPalette(colours, isDarkDesktop(palette())));
}

QString StatisticsWindow::exportFilePath(const QString& player)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    // A name is any text; a slash in it would point into another folder.
    QString name = player;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QDir(folder).filePath(name + QStringLiteral("-rounds.csv"));
}

QString StatisticsWindow::player() const
{
    return m_players->currentText();
}

void StatisticsWindow::showPlayer(const QString& player)
{
    if (m_players->findText(player) < 0)
        m_players->addItem(player);
    m_players->setCurrentText(player);
}

// The streak counts days with a daily result; the latest few results follow, newest first.
QString StatisticsWindow::dailyText(const QList<DailyResult>& results)
{
    constexpr int kShownResults = 5;
    const DailyStreak streak = RoundFigures::dailyStreak(results, dailyNumber(QDateTime::currentDateTimeUtc().date()));
    QStringList latest;
    for (qsizetype i = results.size() - 1; i >= 0 && latest.size() < kShownResults; --i)
        //: A daily result: the daily board's number, the player's score, the computer's: "#2 25 to 20".
        latest << tr("#%1 %2 to %3").arg(results[i].number).arg(results[i].score).arg(results[i].computerScore);
    return tr("Daily results: %1. Days in a row: %2 now, %3 at most. Latest: %4.")
        .arg(results.size())
        .arg(streak.current)
        .arg(streak.longest)
        .arg(latest.join(QStringLiteral(", ")));
}

// An answer for a player no longer shown is passed over: the answer for the one shown follows.
void StatisticsWindow::reload()
{
    ask([shown = player(), count = shownRounds()](HistoryDatabase& history) { return history.statistics(shown, count); },
        [this, shown = player()](const PlayerStatistics& figures, const QString& problem) {
            if (shown == player())
                showFigures(figures, problem);
        });
}

void StatisticsWindow::showFigures(const PlayerStatistics& figures, const QString& problem)
{
    showRounds(figures.scores, problem);
    fillDistribution(*m_distributionChart, RoundFigures::scoreBuckets(figures.scoreCounts));
    m_exported->setVisible(!m_export->isEnabled()); // the note of an export under way stays
    const WinRecord& wins = figures.wins;
    QString record = tr("Won %1, drawn %2, lost %3 against the computer. Rounds won in a row: %4 now, %5 at most.")
                         .arg(wins.won)
                         .arg(wins.drawn)
                         .arg(wins.lost)
                         .arg(wins.currentStreak)
                         .arg(wins.longestStreak);
    if (!figures.dailyResults.isEmpty())
        record += QLatin1Char('\n') + dailyText(figures.dailyResults);
    const int hintRounds = std::min(figures.roundCount, PlayerStatistics::kHintRounds);
    record += QLatin1Char('\n')
        + (hintRounds == 1 ? tr("Hints taken in your one round: %1.") : tr("Hints taken in your last %n rounds: %1.", nullptr, hintRounds))
              .arg(figures.recentHints);
    m_record->setText(record);
    if (figures.roundCount == 0)
        m_record->setText(tr("No rounds yet: rounds won, drawn and lost against the computer show here once you submit a round."));
    m_record->setAccessibleDescription(m_record->text());
    m_bestWordsLabel->setText(figures.bestWords.isEmpty()
                                  ? tr("Your best words: your ten best, with their scores, show here once you submit a round")
                                  : tr("Your best words"));
    m_bestWords->setAccessibleDescription(figures.bestWords.isEmpty() ? m_bestWordsLabel->text() : QString());
    const QList<ScoreBucket> buckets = RoundFigures::scoreBuckets(figures.scoreCounts);
    const auto busiest = std::max_element(buckets.begin(), buckets.end(),
                                          [](const ScoreBucket& a, const ScoreBucket& b) { return a.rounds < b.rounds; });
    m_distributionChart->setTitle(buckets.isEmpty() ? tr("Your round scores<br>How often you scored what<br>shows here once you submit a round")
                                                    : tr("Your round scores"));
    const int roundCount = std::accumulate(figures.scoreCounts.cbegin(), figures.scoreCounts.cend(), 0);
    QString distribution = tr("No rounds yet.");
    if (busiest != buckets.end()) {
        //: A range of round scores: "10 to 11".
        const QString scores = busiest->low == busiest->high ? QString::number(busiest->low) : tr("%1 to %2").arg(busiest->low).arg(busiest->high);
        distribution = roundCount == 1 ? tr("1 round in all, which scored %1.").arg(scores)
                                       : tr("%n rounds in all; the most, %1, scored %2.", nullptr, roundCount).arg(busiest->rounds).arg(scores);
    }
    m_distributionView->setAccessibleDescription(distribution);
    m_bestWords->setRowCount(int(figures.bestWords.size()));
    for (int row = 0; row < figures.bestWords.size(); ++row) {
        const BestWord& best = figures.bestWords[row];
        const QStringList cells {best.word, QString::number(best.score), QLocale().toString(best.playedAt.toLocalTime(), QLocale::ShortFormat)};
        for (int column = 0; column < 3; ++column)
            m_bestWords->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_lastRound->setRound(figures.lastRound, problem.isEmpty() ? QString() : cannotShow(problem));
    m_shownRound = figures.lastRound;
    m_review->setEnabled(m_shownRound.has_value());
    const int lastNumber = figures.roundCount;
    // Without a round the chooser says so, rather than "Round 1 of 0".
    m_reviewedRound->setRange(std::min(1, lastNumber), lastNumber);
    m_reviewedRound->setSpecialValueText(lastNumber != 0 ? QString() : problem.isEmpty() ? tr("No round yet") : tr("Round –"));
    //: After the round number in the chooser: "Round 3 of 12".
    m_reviewedRound->setSuffix(tr(" of %1").arg(lastNumber));
    m_reviewedRound->setValue(lastNumber);
    m_reviewedRound->setEnabled(m_shownRound.has_value());
    if (!problem.isEmpty()) { // never "no rounds yet" for a history that could not be read
        for (QLabel* label : {m_record, m_bestWordsLabel})
            label->setText(cannotShow(problem));
        m_record->setAccessibleDescription(cannotShow(problem));
        m_bestWords->setAccessibleDescription(cannotShow(problem));
        m_distributionChart->setTitle(cannotShow(problem, kChartLine));
        m_distributionView->setAccessibleDescription(cannotShow(problem));
        // Another program may let go of it: the window looks again while it is open.
        QTimer::singleShot(kLookAgainMs, this, [this] {
            if (isVisible())
                refresh();
        });
    }
}

// The round is read again as kept, with the best possible score it showed when played.
void StatisticsWindow::reviewChosenRound()
{
    if (!m_shownRound)
        return;
    const int number = m_reviewedRound->value();
    if (number == m_reviewedRound->maximum()) {
        RoundReviewDialog::showFor(*m_shownRound, m_reviewer, this);
    } else {
        ask([shown = player(), number](HistoryDatabase& history) { return history.round(shown, number); },
            [this](const std::optional<RoundRecord>& round, const QString&) {
                if (round)
                    RoundReviewDialog::showFor(*round, m_reviewer, this);
            });
    }
}

int StatisticsWindow::shownRounds() const
{
    return m_allRounds->isChecked() ? HistoryDatabase::kAllRounds : kRecentRounds;
}

void StatisticsWindow::showRounds()
{
    ask([shown = player(), count = shownRounds()](HistoryDatabase& history) { return history.scorePoints(shown, count); },
        [this, shown = player()](const QList<ScorePoint>& points, const QString& problem) {
            if (shown == player())
                showRounds(points, problem);
        });
}

// A point that stands for a run of rounds sits at its middle; the title says what a point is.
void StatisticsWindow::showRounds(const QList<ScorePoint>& points, const QString& problem)
{
    QList<QPointF> yours;
    QList<QPointF> computers;
    double high = 10;
    qint64 rounds = 0;
    double yourSum = 0;
    double computerSum = 0;
    int yourBest = 0;
    int computerBest = 0;
    for (const ScorePoint& point : points) {
        const double middle = (point.first + point.last) / 2.0;
        yours.append(QPointF(middle, point.meanScore));
        computers.append(QPointF(middle, point.meanComputerScore));
        high = std::max({high, point.meanScore, point.meanComputerScore});
        const int count = point.last - point.first + 1;
        rounds += count;
        yourSum += point.meanScore * count;
        computerSum += point.meanComputerScore * count;
        yourBest = std::max(yourBest, point.bestScore);
        computerBest = std::max(computerBest, point.bestComputerScore);
    }
    // A single round is a point, not a line; a thousand points are a line.
    for (QLineSeries* series : {m_yourScores, m_computerScores})
        series->setPointsVisible(points.size() <= kRecentRounds);
    m_yourScores->replace(yours);
    m_computerScores->replace(computers);
    m_firstShown = points.isEmpty() ? 1 : points.first().first;
    m_lastShown = points.isEmpty() ? 1 : points.last().last;
    const int perPoint = points.isEmpty() ? 1 : points.first().last - points.first().first + 1;
    fitRoundAxis();
    // Whole ticks from the scores alone: nice numbers would start from the tick count the
    // player shown before left, and fall between whole scores (7.5 read as 7).
    setWholeRange(*m_scoreAxis, wholeRange(0, int(std::ceil(high))));
    if (points.isEmpty())
        m_scoreChart->setTitle(tr("Score per round<br>Your scores and the computer's<br>show here once you submit a round"));
    else if (perPoint == 1)
        m_scoreChart->setTitle(tr("Score per round"));
    else
        m_scoreChart->setTitle(tr("Score per round<br>Each point: the mean of %n rounds", nullptr, perPoint));
    QString description = points.isEmpty()
        ? tr("No rounds yet.")
        : tr("Rounds %1 to %2 shown. Your average %3, best %4. The computer's average %5, best %6.")
              .arg(m_firstShown)
              .arg(m_lastShown)
              .arg(QLocale().toString(yourSum / double(std::max<qint64>(1, rounds)), 'f', 1))
              .arg(yourBest)
              .arg(QLocale().toString(computerSum / double(std::max<qint64>(1, rounds)), 'f', 1))
              .arg(computerBest);
    if (perPoint > 1)
        description += u' ' + tr("Each point is the mean of %n rounds.", nullptr, perPoint);
    if (!problem.isEmpty()) {
        m_scoreChart->setTitle(cannotShow(problem, kChartLine));
        description = cannotShow(problem);
    }
    m_scoreView->setAccessibleDescription(description);
}

// As many ticks as the widest round number leaves room for: a label wider than its share of
// the axis is cut short ("9999…").
void StatisticsWindow::fitRoundAxis()
{
    const QFontMetricsF metrics(m_roundAxis->labelsFont());
    const qreal width = m_scoreChart->plotArea().width();
    const int last = std::max(m_lastShown, m_firstShown + 1);
    WholeRange range = wholeRange(m_firstShown, last);
    for (int ticks = kMostTicks - 1; ticks >= 2 && (range.steps + 1) * (metrics.horizontalAdvance(QString::number(range.high())) + kLabelRoom) > width;
         --ticks)
        range = wholeRange(m_firstShown, last, ticks);
    setWholeRange(*m_roundAxis, range);
}

void StatisticsWindow::chooseExportFile()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export rounds"), exportFilePath(player()),
                                                      tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        exportTo(path);
}

// On the history's thread, which may take a while for a long history or one another program
// holds: the window says so meanwhile, and a window closed by then is told nothing.
void StatisticsWindow::exportTo(const QString& filePath)
{
    m_export->setEnabled(false);
    m_exported->setText(tr("Exporting…"));
    m_exported->show();
    ++m_reading;
    m_history.askAside(
        this, [shown = player(), filePath](HistoryDatabase& history) { return exportRoundsCsv(history, shown, filePath); },
        [this, filePath](const CsvExport& done, const QString& problem) {
            --m_reading;
            m_export->setEnabled(true);
            const QString shownPath = QDir::toNativeSeparators(filePath);
            m_exported->setText(done.rounds == 1 ? tr("Wrote 1 round to %1").arg(shownPath)
                                                 : tr("Wrote %n rounds to %1", nullptr, int(done.rounds)).arg(shownPath));
            m_exported->setVisible(done.problem.isEmpty());
            if (!done.problem.isEmpty()) // why the history could not be read says more than that it could not
                QMessageBox::warning(this, tr("Export rounds"),
                                     tr("The rounds could not be written: %1").arg(problem.isEmpty() ? done.problem : problem));
        });
}
