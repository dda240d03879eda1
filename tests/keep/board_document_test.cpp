#include "keep/board_document.h"
#include "keep/kept_board_store.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// garden, anchor, chosen, normal, silver crossing at 1, 1 and 2, with a letter of each verdict.
BoardDocument workedBoard()
{
    BoardDocument board;
    board.words = {PlacedWord {"garden", 0, 0, true}, PlacedWord {"anchor", 1, 0, false},
                   PlacedWord {"chosen", 0, 3, true}, PlacedWord {"normal", 5, 3, false},
                   PlacedWord {"silver", 3, 8, true}};
    board.typed = {{0, 0, "G", CellVerdict::Word}, {2, 3, "X", CellVerdict::NotWord}, {5, 5, "R", CellVerdict::None}};
    board.computerScore = 40;
    board.playerScore = 8;
    return board;
}

QJsonObject workedJson()
{
    return QJsonDocument::fromJson(writeBoardDocument(workedBoard())).object();
}

void setWord(QJsonObject& root, int index, const char* key, const QJsonValue& value)
{
    QJsonArray words = root[QStringLiteral("words")].toArray();
    QJsonObject word = words[index].toObject();
    word[QString::fromLatin1(key)] = value;
    words[index] = word;
    root[QStringLiteral("words")] = words;
}

void addTyped(QJsonObject& root, int x, int y, const QJsonValue& letter = QStringLiteral("A"))
{
    QJsonArray typed = root[QStringLiteral("typed")].toArray();
    typed.append(QJsonObject {{"x", x}, {"y", y}, {"letter", letter}, {"verdict", "unchecked"}});
    root[QStringLiteral("typed")] = typed;
}

struct Damage {
    const char* name;
    std::function<void(QJsonObject&)> apply;
};

class DamagedDocumentTest : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedDocumentTest, IsRefusedWithAReason)
{
    QJsonObject root = workedJson();
    GetParam().apply(root);
    QString reason;
    EXPECT_FALSE(readBoardDocument(QJsonDocument(root).toJson(), &reason));
    EXPECT_FALSE(reason.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Rows, DamagedDocumentTest, ::testing::Values(
    Damage {"newer version", [](QJsonObject& r) { r["version"] = 2; }},
    Damage {"four words", [](QJsonObject& r) { QJsonArray w = r["words"].toArray(); w.removeLast(); r["words"] = w; }},
    Damage {"capital letters", [](QJsonObject& r) { setWord(r, 0, "letters", "GARDEN"); }},
    Damage {"five letters", [](QJsonObject& r) { setWord(r, 4, "letters", "silve"); }},
    Damage {"crossing disagrees", [](QJsonObject& r) { setWord(r, 1, "letters", "ancxor"); }},
    Damage {"last crossing disagrees", [](QJsonObject& r) { setWord(r, 4, "letters", "sixver"); }},
    Damage {"word 2 a column off", [](QJsonObject& r) { setWord(r, 2, "x", 1); }},
    Damage {"word 4 a row off", [](QJsonObject& r) { setWord(r, 4, "y", 9); }},
    Damage {"down word laid across", [](QJsonObject& r) { setWord(r, 1, "across", true); }},
    Damage {"half a column", [](QJsonObject& r) { setWord(r, 4, "x", 3.5); }},
    Damage {"off the board", [](QJsonObject& r) { setWord(r, 4, "x", 20); }},
    Damage {"letter on a fixed cell", [](QJsonObject& r) { addTyped(r, 1, 3); }},
    Damage {"letter off every word", [](QJsonObject& r) { addTyped(r, 10, 10); }},
    Damage {"two letters in one cell", [](QJsonObject& r) { addTyped(r, 0, 0); }},
    Damage {"empty letter", [](QJsonObject& r) { addTyped(r, 2, 0, QString()); }},
    Damage {"unknown verdict", [](QJsonObject& r) {
        r["typed"] = QJsonArray {QJsonObject {{"x", 2}, {"y", 0}, {"letter", "A"}, {"verdict", "maybe"}}}; }},
    Damage {"negative score", [](QJsonObject& r) { r["playerScore"] = -1; }},
    Damage {"score missing", [](QJsonObject& r) { r.remove("computerScore"); }}),
    [](const auto& info) { return QString::fromLatin1(info.param.name).replace(u' ', u'_').toStdString(); });

TEST(BoardDocumentTest, RoundTripsEveryField)
{
    EXPECT_EQ(readBoardDocument(writeBoardDocument(workedBoard())), workedBoard());
    EXPECT_FALSE(readBoardDocument("{\"words\": [", nullptr));
}

TEST(BoardDocumentTest, AChainStartingWithADownWordAtTheCornerReads)
{
    BoardDocument board = workedBoard();
    board.words[0] = {"animal", 0, 0, true};
    board.words[1] = {"anchor", 0, 0, false};
    board.words[2] = {"hollow", 0, 3, true};
    board.words[3] = {"within", 5, 3, false};
    board.words[4] = {"button", 0, 8, true};
    board.typed = {};
    EXPECT_TRUE(readBoardDocument(writeBoardDocument(board)).has_value());
}

class KeptBoardStoreTest : public ::testing::Test {
protected:
    QString path() const { return m_folder.filePath(QStringLiteral("sixfold/board.json")); }
    QTemporaryDir m_folder;
};

TEST_F(KeptBoardStoreTest, SavesLoadsAndRemoves)
{
    const KeptBoardStore store(path());
    EXPECT_FALSE(store.load().board);
    ASSERT_TRUE(store.save(workedBoard()));
    EXPECT_EQ(store.load().board, workedBoard());
    EXPECT_TRUE(store.remove());
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(KeptBoardStoreTest, ADocumentThatIsNoBoardIsMovedAsideAndKeptWhole)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"version\": 1, \"words\": \"garden\"}");
    file.close();

    const KeptBoardStore::Loaded loaded = KeptBoardStore(path()).load();
    EXPECT_FALSE(loaded.board);
    EXPECT_TRUE(loaded.problem.contains(QStringLiteral("moved to")));
    EXPECT_FALSE(QFile::exists(path()));
    const QStringList aside = QDir(QFileInfo(path()).absolutePath()).entryList({QStringLiteral("board.json.corrupt-*")});
    ASSERT_EQ(aside.size(), 1);
    QFile moved(QFileInfo(path()).absolutePath() + u'/' + aside.first());
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll(), "{\"version\": 1, \"words\": \"garden\"}");
}

} // namespace
