#include "keep/kept_board_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A game killed at any point leaves the last board it finished writing, whole: never a
// half-written file, never one moved aside at the next launch.
TEST(KeptBoardCrashTest, AKillPartWayLeavesTheLastCompletedSaveReadable)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sixfold/board.json"));
    for (int round = 0; round < 3; ++round) {
        QProcess writer;
        writer.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kept_board_writer")),
                     {path, QStringLiteral("100000")});
        ASSERT_TRUE(writer.waitForStarted());
        QByteArray said;
        while (said.count('\n') < 5 && writer.waitForReadyRead(10000))
            said += writer.readAllStandardOutput();
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished());
        said += writer.readAllStandardOutput();
        const QList<QByteArray> lines = said.trimmed().split('\n');
        ASSERT_GE(lines.size(), 5);

        const KeptBoardStore::Loaded loaded = KeptBoardStore(path).load();
        ASSERT_TRUE(loaded.board) << loaded.problem.toStdString();
        EXPECT_TRUE(loaded.problem.isEmpty());
        // The kill may land after a save was committed but before it was announced.
        EXPECT_GE(loaded.board->playerScore, lines.last().toInt());
        EXPECT_LE(loaded.board->playerScore, lines.last().toInt() + 1);
    }
}

} // namespace
