// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/kept_board/board_document.h"
#include "core/kept_board/kept_board_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// garden, anchor, chosen, normal, silver crossing at (1, 0), (1, 3), (5, 3), (5, 8); a letter of each verdict.
BoardState workedBoard()
{
    return {{PlacedWord {"garden", {{0, 0}, Direction::Across}}, {"anchor", {{1, 0}, Direction::Down}}, {"chosen", {{0, 3}, Direction::Across}},
             {"normal", {{5, 3}, Direction::Down}}, {"silver", {{3, 8}, Direction::Across}}},
            {{0, 0, "G", Verdict::Word}, {2, 3, "X", Verdict::NotWord}, {5, 5, "\U0001D538", Verdict::Unchecked}, {5, 6, "\u200C", Verdict::Unchecked}}, 40, 8, {}};
}

// Sets `value` at "key" or "array/index/key"; an undefined value removes the key.
void patch(QJsonObject& root, const QString& path, const QJsonValue& value)
{
    const QStringList part = path.split(u'/');
    if (part.size() == 1)
        return value.isUndefined() ? root.remove(path) : (void)(root[path] = value);
    QJsonArray array = root[part[0]].toArray();
    QJsonObject item = array[part[1].toInt()].toObject();
    item[part[2]] = value, array[part[1].toInt()] = item, root[part[0]] = array;
}

// Every field comes back, at the edges of the chain and of the scores too; a damaged document is refused with its reason.
TEST(BoardStateTest, EveryBoardADealCanLayRoundTripsAndDamagedOnesAreRefused)
{
    BoardState corner {{PlacedWord {"animal", {{0, 0}, Direction::Across}}, {"anchor", {{0, 0}, Direction::Down}}, {"hollow", {{0, 3}, Direction::Across}},
                           {"within", {{5, 3}, Direction::Down}}, {"button", {{0, 8}, Direction::Across}}},
                          {{4, 0, "M", Verdict::Unchecked}}, 1000000, 0, "0f1e-ab.C9" + QString(54, 'x')};
    corner.hints = 3; // a document without hints (the others) reads as none
    BoardState far {{PlacedWord {"gardex", {{0, 0}, Direction::Across}}, {"xyzmab", {{5, 0}, Direction::Down}}, {"ccccmq", {{1, 3}, Direction::Across}},
                        {"qddddr", {{6, 3}, Direction::Down}}, {"reeeee", {{6, 8}, Direction::Across}}}, {}, 0, 1000000, {}};
    for (const BoardState& board : {workedBoard(), corner, far})
        EXPECT_EQ(readBoardDocument(writeBoardDocument(board)), board);
    const QString notSix = "word %1 is not six letters on the board", notChained = "the words do not chain across the board";
    const QString notBlank = "a typed letter is not on a blank cell of its own", score = "a score is missing or out of range";
    const QString notOne = "a typed letter is not one character with a verdict", control = "a typed letter is a control character or a direction mark";
    const auto cell = [](int x, int y, const char* letter = "A", const char* verdict = "unchecked") {
        return QJsonArray {QJsonObject {{"x", x}, {"y", y}, {"letter", letter}, {"verdict", verdict}}}; };
    const struct { QString reason; const char* path; QJsonValue value; } rows[] = {
        {"an unknown version", "version", 2}, {"an unknown version", "version", QJsonValue::Undefined},
        {"not five words", "words", QJsonArray {}}, {notSix.arg(1), "words/0/letters", "GARDEN"}, {notSix.arg(5), "words/4/letters", "silve"},
        {notSix.arg(5), "words/4/x", 3.5}, {notSix.arg(5), "words/4/x", 20}, {notSix.arg(3), "words/2/y", -1},
        {notSix.arg(2), "words/1/across", 0}, {"word 2 runs the wrong way", "words/1/across", true},
        {"word 5 runs the wrong way", "words/4/across", false}, {notChained, "words/2/x", 1}, {notChained, "words/4/y", 19}, {notChained, "words/1/x", 6},
        {"two words disagree at column 2, row 1", "words/1/letters", "bnchor"}, {"two words disagree at column 2, row 4", "words/1/letters", "ancxor"},
        {"two words disagree at column 6, row 9", "words/4/letters", "sixver"}, {notBlank, "typed", cell(1, 3)},
        {notBlank, "typed", cell(10, 10)}, {notBlank, "typed", cell(6, 0)}, {notBlank, "typed", cell(2, 0) + cell(2, 0)},
        {notOne, "typed", cell(2, 0, "")}, {notOne, "typed", cell(2, 0, "AB")}, {notOne, "typed", cell(2, 0, "A", "maybe")}, {control, "typed", cell(2, 0, "\n")},
        {control, "typed", cell(2, 0, "\u202E")}, {control, "typed", cell(2, 0, "\u2028")}, {control, "typed", cell(2, 0, "\u200F")},
        {"an identity that is not one", "id", "a b"}, {"an identity that is not one", "id", 5}, {"an identity that is not one", "id", QString(65, 'a')},
        {score, "playerScore", -1}, {score, "playerScore", 1000001}, {score, "computerScore", 1000001}, {score, "computerScore", QJsonValue::Undefined},
    };
    QString reason;
    for (const auto& row : rows) {
        QJsonObject root = QJsonDocument::fromJson(writeBoardDocument(workedBoard())).object();
        patch(root, row.path, row.value);
        EXPECT_FALSE(readBoardDocument(QJsonDocument(root).toJson(), &reason).has_value()) << row.path;
        EXPECT_EQ(reason, row.reason);
    }
    EXPECT_FALSE(readBoardDocument("[]", &reason) || readBoardDocument("{\"words\": [", nullptr));
    EXPECT_EQ(reason, "not a JSON object");
}

// A board kept before boards had an identity is known by its words.
TEST(KeptBoardStoreTest, SavesLoadsSubmitsRemovesAndMovesANonBoardAside)
{
    QTemporaryDir folder;
    const KeptBoardStore store(folder.filePath("sixfold/board.json"));
    EXPECT_FALSE(store.load().board.has_value() || !store.load().problem.isEmpty() || !store.remove("x"));
    const QString identity = "garden.0.0-anchor.1.0-chosen.0.3-normal.5.3-silver.3.8";
    ASSERT_EQ(store.save(workedBoard()), KeptBoardStore::Outcome::Done);
    EXPECT_TRUE(store.load().board == workedBoard() && boardIdentity(workedBoard()) == identity);
    EXPECT_TRUE(store.remove("x") && QFile::exists(store.filePath()) && store.remove(identity) && !QFile::exists(store.filePath()));
    store.save(workedBoard());
    QFile record(folder.filePath("sixfold/submitted-boards")); // past 64 KiB only the newest 500 are kept
    ASSERT_TRUE(record.open(QIODevice::WriteOnly) && record.write(QByteArray(70000 / 8, 'x').replace("x", "old-one\n")) && record.flush());
    EXPECT_EQ(store.submit(identity), KeptBoardStore::Outcome::Done);
    record.close(), record.open(QIODevice::ReadOnly);
    EXPECT_EQ(record.readAll(), QByteArray("old-one\n").repeated(499) + identity.toLatin1() + "\n");
    EXPECT_FALSE(QFile::exists(store.filePath()) || store.isSubmitted("x") || !store.isSubmitted(identity));
    EXPECT_EQ(store.save(workedBoard()), KeptBoardStore::Outcome::Submitted);
    QFile file(store.filePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("{\"version\": 1}" + QByteArray(1 << 20, ' ')) && file.flush());
    const KeptBoardStore::Loaded loaded = store.load();
    const QString aside = QDir(folder.filePath("sixfold")).entryList({"board.json.corrupt-*"}).value(0);
    EXPECT_EQ(loaded.problem, "The kept board was not a board (it is larger than any board); it is moved to " + folder.filePath("sixfold/") + aside + ".");
    EXPECT_FALSE(loaded.board.has_value() || QFile::exists(store.filePath()));
    record.close(), record.open(QIODevice::WriteOnly | QIODevice::Truncate), record.write(QByteArray(180, 'x') + '\n'), record.close();
    QProcess full; // a full disk cuts the record's new line short: what was written of it is taken back
    full.start(QCoreApplication::applicationDirPath() + "/kept_board_writer", {store.filePath(), "full", "submit"});
    ASSERT_TRUE(full.waitForFinished(10000));
    EXPECT_EQ(QFileInfo(record).size(), 181) << full.readAllStandardOutput().toStdString();
    ASSERT_EQ(store.save(workedBoard()), KeptBoardStore::Outcome::Done);
    QLockFile other(store.filePath() + ".lock"); // another game holds the board: submitting it here leaves it there
    ASSERT_TRUE(other.tryLock(0) && store.submit(identity) == KeptBoardStore::Outcome::Done);
    EXPECT_TRUE(QFile::exists(store.filePath())) << "a board another game holds is removed";
}

// What cannot be written, read or opened stays as it is, said at each step: under a file-size limit (a full disk), a file only its owner may write, a FIFO.
TEST(KeptBoardStoreTest, AFileThatCannotBeWrittenReadOrOpenedStaysAsItIs)
{
    const struct { const char* steps; QString said; int lines; } rows[] = {
        {"full save", "(File too large); the file is left as it was.", 1},
        {"unprivileged load save", "cannot be read (Permission denied); it is left as it is and no board is kept.", 2},
        {"load save", "is not a regular file; it is left as it is and no board is kept.", 2}};
    for (const auto& row : rows) {
        QTemporaryDir folder;
        const QString path = folder.filePath("board.json");
        const bool isFifo = QByteArray(row.steps) == "load save";
        isFifo ? (void)mkfifo(path.toLocal8Bit().constData(), 0600) : (void)KeptBoardStore(path).save(workedBoard());
        QFile::setPermissions(path, QFile::WriteOwner);
        QProcess writer;
        writer.start(QCoreApplication::applicationDirPath() + "/kept_board_writer", QStringList {path} + QString(row.steps).split(' '));
        EXPECT_TRUE(writer.waitForFinished(10000)) << row.steps; // a FIFO once hung the reader
        const QStringList said = QString::fromUtf8(writer.readAllStandardOutput()).trimmed().split('\n');
        EXPECT_EQ(said.filter(row.said).size(), row.lines) << said.join('\n').toStdString();
        EXPECT_TRUE(isFifo ? !QFileInfo(path).isFile() : KeptBoardStore(path).load().board == workedBoard()) << row.steps;
    }
}

} // namespace
