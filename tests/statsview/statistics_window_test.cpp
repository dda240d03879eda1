#include "history/history_csv.h"
#include "history/history_database.h"
#include "statsview/statistics_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

RoundRecord roundOf(const QString& player, int score, const QString& word)
{
    RoundRecord round;
    round.player = player;
    round.playedAt = QDateTime::fromSecsSinceEpoch(1796000000 + score, Qt::UTC);
    round.computerScore = 20;
    round.roundScore = score;
    round.wordSlots[0] = {0, 0, SlotDirection::Across, "GARDEN", word, true, score};
    return round;
}

TEST(StatisticsWindowTest, ChoosingAPlayerShowsTheirFiguresAndExportsTheirRounds)
{
    QTemporaryDir folder;
    HistoryDatabase history(folder.filePath(QStringLiteral("history.sqlite")));
    history.recordRound(roundOf(QStringLiteral("ada"), 30, QStringLiteral("HARDEN")));
    history.recordRound(roundOf(QStringLiteral("bob"), 10, QStringLiteral("WARDEN")));
    history.recordRound(roundOf(QStringLiteral("bob"), 25, QStringLiteral("GOLDEN")));
    StatisticsWindow window(history, QStringLiteral("ada"));
    auto* players = window.findChild<QComboBox*>();
    auto* bestWords = window.findChild<QTableWidget*>();
    ASSERT_TRUE(players && bestWords);
    EXPECT_EQ(players->count(), 2);

    players->setCurrentText(QStringLiteral("bob"));
    EXPECT_EQ(bestWords->rowCount(), 2);
    EXPECT_EQ(bestWords->item(0, 0)->text(), QStringLiteral("GOLDEN"));
    const QList<QLabel*> labels = window.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
        return label->text().startsWith(QStringLiteral("Won 1, drawn 0, lost 1"));
    }));

    QString error;
    const QString csv = folder.filePath(QStringLiteral("bob.csv"));
    ASSERT_TRUE(window.exportCsv(csv, &error));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), roundsToCsv(history.allRounds(QStringLiteral("bob"))));
    EXPECT_FALSE(window.exportCsv(folder.filePath(QStringLiteral("missing/bob.csv")), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
