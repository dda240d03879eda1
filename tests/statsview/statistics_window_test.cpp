// SPDX-License-Identifier: GPL-3.0-or-later
#include "statsview/statistics_window.h"

#include "history/history_csv.h"
#include "history/history_database.h"
#include "statsview/round_board_view.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

TEST(StatisticsWindowTest, ChoosingAPlayerShowsTheirFiguresChartsAndExportsTheirRounds)
{
    QTemporaryDir folder;
    HistoryDatabase history(folder.filePath(QStringLiteral("history.sqlite")));
    for (const auto& [player, score, word] : {std::tuple("ada", 30, "HARDEN"), std::tuple("bob", 10, "WARDEN"), std::tuple("bob", 25, "GOLDEN")}) {
        RoundRecord round {player, QDateTime::fromSecsSinceEpoch(1796000000 + score, Qt::UTC), 20, {}, score, 1, {}};
        round.wordSlots[0] = {0, 0, Direction::Across, "GARDEN", word, true, score};
        history.recordRound(round);
    }
    StatisticsWindow window(history, QStringLiteral("ada"));
    auto* players = window.findChild<QComboBox*>();
    auto* bestWords = window.findChild<QTableWidget*>();
    ASSERT_TRUE(players && bestWords);
    EXPECT_EQ(players->count(), 2);
    players->setCurrentText(QStringLiteral("bob"));
    EXPECT_EQ(bestWords->rowCount(), 2);
    EXPECT_EQ(bestWords->item(0, 0)->text(), QStringLiteral("GOLDEN"));
    const auto labels = window.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* label) { return label->text().startsWith("Won 1, drawn 0, lost 1"); }));
    const auto charts = window.findChildren<QChartView*>();
    ASSERT_EQ(charts.size(), 2);
    const auto* yours = qobject_cast<QLineSeries*>(charts[0]->chart()->series().value(0));
    ASSERT_TRUE(yours);
    EXPECT_EQ(yours->points(), (QList<QPointF> {{1, 10}, {2, 25}}));
    const auto* bars = qobject_cast<QBarSeries*>(charts[1]->chart()->series().value(0));
    ASSERT_TRUE(bars && bars->barSets().size() == 1);
    // Scores 10 and 25 go in buckets of two, 10-11 to 24-25, to keep within a dozen bars.
    EXPECT_TRUE(bars->barSets()[0]->count() == 8 && bars->barSets()[0]->at(0) == 1 && bars->barSets()[0]->at(1) == 0 && bars->barSets()[0]->at(7) == 1);

    QString error;
    ASSERT_TRUE(window.exportCsv(folder.filePath("bob.csv"), &error));
    const pid_t child = fork(); // a full disk: a child that cannot write past 16 bytes
    if (const rlimit full {16, 16}; child == 0)
        std::signal(SIGXFSZ, SIG_IGN), setrlimit(RLIMIT_FSIZE, &full), _exit(window.exportCsv(folder.filePath("bob.csv"), &error) || error.isEmpty());
    int status = 1;
    EXPECT_TRUE(waitpid(child, &status, 0) == child && status == 0) << "a failed export reports success";
    QFile file(folder.filePath("bob.csv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == roundsToCsv(history.allRounds("bob")));
    EXPECT_TRUE(!window.exportCsv(folder.filePath("missing/bob.csv"), &error) && !error.isEmpty());
}

// A character beyond the Basic Multilingual Plane takes one cell of the redrawn round.
TEST(RoundBoardViewTest, EachCellDrawsOneWholeCharacter)
{
    const auto drawn = [](const char* letters) {
        RoundRecord round; // five slots apart, so no cell is a crossing
        for (int slot = 0; slot < kRoundSlots; ++slot)
            round.wordSlots[size_t(slot)] = {0, 2 * slot, Direction::Across, "GARDEN", letters};
        RoundBoardView view;
        view.setRound(round), view.resize(view.sizeHint());
        return view.grab().toImage();
    };
    EXPECT_TRUE(drawn("\U00010400ARDEN") != drawn("\U00010400ARDEX")) << "the sixth letter is not drawn";
}
