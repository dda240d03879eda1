#include "platform/user_defaults_store.h"

#include "support/globals.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <bit>
#include <limits>

namespace {

class UserDefaultsStoreTest : public GameTest {
protected:
    QString storePath() const { return QDir(configHome()).filePath(QStringLiteral("sixfold/defaults.json")); }

    static int32_t countOf(const std::optional<StoreValue>& value)
    {
        const auto* record = value ? std::get_if<StoreDictionary>(&*value) : nullptr;
        return record ? std::get<int32_t>(record->at(QStringLiteral("count"))) : 0;
    }

    QProcess* startWriter(const QString& key, int saves)
    {
        auto* writer = new QProcess;
        writer->start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("store_writer")),
                      {storePath(), key, QString::number(saves)});
        return writer;
    }

    bool documentParses() const
    {
        QFile file(storePath());
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QJsonParseError error;
        QJsonDocument::fromJson(file.readAll(), &error);
        return error.error == QJsonParseError::NoError;
    }
};

TEST_F(UserDefaultsStoreTest, StandardFileIsUnderTheConfigHome)
{
    EXPECT_EQ(UserDefaultsStore::standardFilePath(), storePath());
}

TEST_F(UserDefaultsStoreTest, EveryTypeComesBackAsItWasStored)
{
    const StoreDictionary record {
        {"name", QStringLiteral("Zoë")},
        {"smallest", std::numeric_limits<int32_t>::min()},
        {"huge", int64_t {1} << 62},
        {"negative", int64_t {-5}},
        {"average", 12.57f},
        {"tiny", 1e-38f},
        {"largest", std::numeric_limits<float>::max()},
    };
    UserDefaultsStore(storePath()).setObject("record", record);
    UserDefaultsStore(storePath()).setObject("LastUser", QStringLiteral("Zoë"));

    UserDefaultsStore reader(storePath());
    const auto stored = reader.objectForKey("record");
    ASSERT_TRUE(stored.has_value());
    const auto& loaded = std::get<StoreDictionary>(*stored);
    EXPECT_EQ(loaded, record);
    for (const char* key : {"average", "tiny", "largest"})
        EXPECT_EQ(std::bit_cast<uint32_t>(std::get<float>(loaded.at(key))),
                  std::bit_cast<uint32_t>(std::get<float>(record.at(key))))
            << key;
    EXPECT_EQ(std::get<QString>(*reader.objectForKey("LastUser")), QStringLiteral("Zoë"));
}

TEST_F(UserDefaultsStoreTest, DocumentIsJsonAPersonCanRead)
{
    UserDefaultsStore(storePath()).setObject("LastUser", QStringLiteral("ada"));
    QFile file(storePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("\"LastUser\""));
    EXPECT_TRUE(text.contains("\"ada\""));
    EXPECT_TRUE(text.contains('\n'));
}

TEST_F(UserDefaultsStoreTest, AbsentKeyIsNothing)
{
    UserDefaultsStore store(storePath());
    EXPECT_FALSE(store.objectForKey("LastUser").has_value());
    store.setObject("a", int32_t {1});
    EXPECT_FALSE(store.objectForKey("b").has_value());
}

TEST_F(UserDefaultsStoreTest, StoringAgainReplacesTheValueWhole)
{
    UserDefaultsStore store(storePath());
    store.setObject("ada", StoreDictionary {{"old", int32_t {1}}, {"kept", int32_t {2}}});
    store.setObject("ada", StoreDictionary {{"kept", int32_t {3}}});
    EXPECT_EQ(std::get<StoreDictionary>(*store.objectForKey("ada")), (StoreDictionary {{"kept", int32_t {3}}}));
}

TEST_F(UserDefaultsStoreTest, TwoStoresOnOneFileKeepEachOthersKeys)
{
    UserDefaultsStore first(storePath());
    UserDefaultsStore second(storePath());
    first.setObject("ada", int32_t {1});
    second.setObject("bob", int32_t {2});
    first.setObject("LastUser", QStringLiteral("ada"));
    EXPECT_TRUE(second.objectForKey("ada").has_value());
    EXPECT_TRUE(first.objectForKey("bob").has_value());
}

TEST_F(UserDefaultsStoreTest, UnreadableDocumentIsMovedAsideAndPlayGoesOn)
{
    QDir().mkpath(QFileInfo(storePath()).absolutePath());
    QFile file(storePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"LastUser\": {\"string\": \"ada\"");
    file.close();

    UserDefaultsStore store(storePath());
    testing::internal::CaptureStdout();
    EXPECT_FALSE(store.objectForKey("LastUser").has_value());
    const std::string message = testing::internal::GetCapturedStdout();
    EXPECT_NE(message.find("could not be read"), std::string::npos) << message;
    const QStringList aside = QDir(QFileInfo(storePath()).absolutePath())
                                  .entryList({QStringLiteral("defaults.json.corrupt-*")});
    EXPECT_EQ(aside.size(), 1);

    store.setObject("LastUser", QStringLiteral("bob"));
    EXPECT_EQ(std::get<QString>(*store.objectForKey("LastUser")), QStringLiteral("bob"));
}

TEST_F(UserDefaultsStoreTest, ValuesOfUnknownShapeReadAsAbsent)
{
    QDir().mkpath(QFileInfo(storePath()).absolutePath());
    QFile file(storePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"LastUser": "ada", "bob": {"dictionary": {"count": {"int32": 4}, "odd": [1]}}})");
    file.close();
    UserDefaultsStore store(storePath());
    EXPECT_FALSE(store.objectForKey("LastUser").has_value());
    EXPECT_EQ(std::get<StoreDictionary>(*store.objectForKey("bob")), (StoreDictionary {{"count", int32_t {4}}}));
}

TEST_F(UserDefaultsStoreTest, UnwritableLocationIsReportedOnceAndPlayGoesOn)
{
    // A file where the folder should be stops root as well as anyone else.
    QFile blocker(QDir(configHome()).filePath(QStringLiteral("sixfold")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    UserDefaultsStore store(storePath());
    testing::internal::CaptureStdout();
    store.setObject("LastUser", QStringLiteral("ada"));
    store.setObject("ada", int32_t {1});
    const std::string messages = testing::internal::GetCapturedStdout();
    EXPECT_EQ(std::count(messages.begin(), messages.end(), '\n'), 1) << messages;
    EXPECT_NE(messages.find("cannot be saved"), std::string::npos);
    EXPECT_FALSE(store.objectForKey("LastUser").has_value());
}

TEST_F(UserDefaultsStoreTest, TwoProcessesSavingAtOnceKeepBothRecords)
{
    std::unique_ptr<QProcess> ada(startWriter("ada", 200));
    std::unique_ptr<QProcess> bob(startWriter("bob", 200));
    ASSERT_TRUE(ada->waitForFinished(120000));
    ASSERT_TRUE(bob->waitForFinished(120000));
    UserDefaultsStore store(storePath());
    EXPECT_EQ(countOf(store.objectForKey("ada")), 200);
    EXPECT_EQ(countOf(store.objectForKey("bob")), 200);
}

TEST_F(UserDefaultsStoreTest, KillingASaverAtAnyMomentLosesNoCompletedSave)
{
    UserDefaultsStore(storePath()).setObject("LastUser", QStringLiteral("keeper"));
    int32_t lastCompleted = 0;
    for (int round = 0; round < 100; ++round) {
        std::unique_ptr<QProcess> writer(startWriter("victim", 1000000));
        ASSERT_TRUE(writer->waitForStarted());
        QThread::msleep(QRandomGenerator::global()->bounded(5, 60));
        writer->kill();
        ASSERT_TRUE(writer->waitForFinished());
        const QList<QByteArray> completed = writer->readAllStandardOutput().split('\n');
        for (const QByteArray& line : completed) {
            if (!line.isEmpty())
                lastCompleted = line.toInt();
        }
        ASSERT_TRUE(documentParses()) << "round " << round;
        UserDefaultsStore store(storePath());
        const int32_t stored = countOf(store.objectForKey("victim"));
        ASSERT_GE(stored, lastCompleted) << "round " << round;
        ASSERT_LE(stored, lastCompleted + 1) << "round " << round;
        lastCompleted = std::max(lastCompleted, stored);
        ASSERT_TRUE(store.objectForKey("LastUser").has_value());
    }
    EXPECT_GT(lastCompleted, 0);
}

TEST_F(UserDefaultsStoreTest, SeveralKeysGoInOneWriteAndAnUnchangedWriteIsSkipped)
{
    UserDefaultsStore store(storePath());
    store.setObjects({{"LastUser", QStringLiteral("ada")}, {"ada", StoreDictionary {{"count", int32_t {1}}}}});
    EXPECT_EQ(std::get<QString>(*store.objectForKey("LastUser")), QStringLiteral("ada"));
    EXPECT_TRUE(store.objectForKey("ada").has_value());
    const QDateTime written = QFileInfo(storePath()).lastModified();
    QFile::setPermissions(storePath(), QFile::ReadOwner); // a real write would now replace the file
    QThread::msleep(20);
    store.setObjects({{"LastUser", QStringLiteral("ada")}});
    EXPECT_EQ(QFileInfo(storePath()).lastModified(), written);
    EXPECT_EQ(QFileInfo(storePath()).permissions() & QFile::WriteOwner, 0);
}

TEST_F(UserDefaultsStoreTest, WritesKeepEntriesOfAnUnknownShape)
{
    QDir().mkpath(QFileInfo(storePath()).absolutePath());
    QFile file(storePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"later": {"colour": "green"}})");
    file.close();
    UserDefaultsStore(storePath()).setObject("LastUser", QStringLiteral("ada"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\"colour\": \"green\""));
}

TEST_F(UserDefaultsStoreTest, DocumentBytesDecodeAndEncodeBack)
{
    const StoreDocument document {{"LastUser", QStringLiteral("ada")},
                                  {"ada", StoreDictionary {{"count", int32_t {3}}, {"total", int64_t {1} << 60}}}};
    EXPECT_EQ(decodeStoreDocument(encodeStoreDocument(document)), document);
    EXPECT_FALSE(decodeStoreDocument("[1, 2]").has_value());
    EXPECT_EQ(decodeStoreDocument(R"({"x": {"int64": 1e300}, "y": {"float": -1e39}})"), StoreDocument {});
    EXPECT_FALSE(decodeStoreDocument("{").has_value());
}

} // namespace
