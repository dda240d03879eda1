#include "keep/kept_board_store.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

// A game killed at any moment keeps the last board it finished writing, whole: never a
// half-written file, never one moved aside at the next launch.
TEST(KeptBoardCrashTest, AKillPartWayLeavesTheLastAnnouncedSaveWhole)
{
    std::mt19937 random(12);
    QTemporaryDir folder;
    const QString path = folder.filePath("sixfold/board.json");
    for (int round = 0; round < 4; ++round) {
        QProcess writer;
        writer.start(QCoreApplication::applicationDirPath() + "/kept_board_writer", {path});
        const qsizetype wanted = 1 + random() % 30;
        QByteArray said;
        while (said.count('\n') < wanted && writer.waitForReadyRead(10000))
            said += writer.readAllStandardOutput();
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished());
        const int announced = (said + writer.readAllStandardOutput()).trimmed().split('\n').last().toInt();
        ASSERT_GE(announced, wanted);
        const KeptBoardStore::Loaded loaded = KeptBoardStore(path).load();
        ASSERT_TRUE(loaded.board) << loaded.problem.toStdString();
        EXPECT_TRUE(loaded.problem.isEmpty());
        // The kill may land after a save was made and before it was announced.
        EXPECT_TRUE(loaded.board->playerScore == announced || loaded.board->playerScore == announced + 1);
    }
}
