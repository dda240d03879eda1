#include "platform/user_defaults_store.h"

#include "support/layer_test.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

#include <bit>
#include <limits>

namespace {

class UserDefaultsStoreTest : public PlatformTest {
protected:
    QString storePath() const { return QDir(configHome()).filePath(QStringLiteral("sixfold/defaults.json")); }

    void writeFile(const QString& path, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray document() const
    {
        QFile file(storePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList siblings() const
    {
        return QDir(QFileInfo(storePath()).absolutePath()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    static int64_t countOf(const std::optional<StoreValue>& value)
    {
        const auto* record = value ? std::get_if<StoreDictionary>(&*value) : nullptr;
        return record ? std::get<int64_t>(record->at(QStringLiteral("count"))) : 0;
    }

    std::unique_ptr<QProcess> startWriter(const QString& key, int saves, const QString& mode = {}) const
    {
        auto writer = std::make_unique<QProcess>();
        writer->start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("store_writer")),
                      {storePath(), key, QString::number(saves), mode});
        return writer;
    }
};

TEST_F(UserDefaultsStoreTest, PlainDocumentRoundTripsWithEveryNumberExact)
{
    const StoreDocument document {
        {"LastUser", QStringLiteral("Zoë \"q\"")},
        {"ada", StoreDictionary {{"int64Max", std::numeric_limits<int64_t>::max()},
                                 {"int64Min", std::numeric_limits<int64_t>::min()},
                                 {"beyondDouble", (int64_t {1} << 53) + 1},
                                 {"million", int64_t {1000000}},
                                 {"fraction", 0.1},
                                 {"huge", 1e300}}},
        {"float", StoreDictionary {{"float", 12.57f}}}, // a lone key named like a type
    };
    const QByteArray text = encodeStoreDocument(document);
    EXPECT_EQ(decodeStoreDocument(text), decodeStoreDocument(encodeStoreDocument(*decodeStoreDocument(text))));
    const auto decoded = decodeStoreDocument(text);
    EXPECT_EQ(decoded->at("ada"), document.at("ada"));
    EXPECT_EQ(std::get<StoreDictionary>(decoded->at("float")).count("float"), 1u);
    for (const char* written : {"\"int64Max\": 9223372036854775807", "\"beyondDouble\": 9007199254740993",
                                "\"million\": 1000000\n", "\"LastUser\": \"Zoë \\\"q\\\"\""})
        EXPECT_TRUE(text.contains(written)) << written << "\n" << text.constData();
    for (const float value : {0.0f, 12.57f, 1e-38f, 3e9f, std::numeric_limits<float>::max(), 0.1f, 16777217.0f}) {
        const QByteArray one = encodeStoreDocument({{"x", value}});
        EXPECT_TRUE(one.contains('.')) << one.constData(); // averages keep their decimal point
        const StoreValue back = decodeStoreDocument(one)->at("x");
        const double number = std::holds_alternative<int64_t>(back) ? static_cast<double>(std::get<int64_t>(back))
                                                                    : std::get<double>(back);
        EXPECT_EQ(std::bit_cast<uint32_t>(static_cast<float>(number)), std::bit_cast<uint32_t>(value)) << one.constData();
    }
    EXPECT_FALSE(decodeStoreDocument("[1, 2]").has_value());
    EXPECT_FALSE(decodeStoreDocument("{").has_value());
}

TEST_F(UserDefaultsStoreTest, TypedDocumentIsReadWholeAndRewrittenPlain)
{
    writeFile(storePath(), R"({"LastUser": {"string": "ada"}, "later": [1, {"x": 2}],
        "ada": {"dictionary": {"averageScore": {"float": 17.25}, "totalScores": {"int64": "9007199254740993"},
                               "count": {"int32": 4}, "bestWord": {"string": "GARDEN"}}},
        "bob": {"dictionary": {"odd": {"float": "nan"}, "kept": {"int32": 1}}}})");
    UserDefaultsStore store(storePath());
    const StoreDictionary ada {{"averageScore", 17.25}, {"totalScores", int64_t {9007199254740993}},
                               {"count", int64_t {4}}, {"bestWord", QStringLiteral("GARDEN")}};
    EXPECT_EQ(std::get<StoreDictionary>(*store.objectForKey("ada")), ada);
    EXPECT_EQ(std::get<StoreDictionary>(*store.objectForKey("bob")), (StoreDictionary {{"kept", int64_t {1}}}));
    EXPECT_FALSE(store.objectForKey("later").has_value());

    store.setObject("LastUser", QStringLiteral("cy"));
    const QByteArray text = document();
    EXPECT_FALSE(text.contains("\"string\"")) << text.constData();
    EXPECT_TRUE(text.contains("\"totalScores\": 9007199254740993")) << text.constData();
    EXPECT_TRUE(text.contains("\"later\": [1, {\"x\": 2}]")) << text.constData(); // unknown: kept as it was, to the letter
    EXPECT_TRUE(text.contains("\"nan\"")) << text.constData();                   // not understood whole: kept
    EXPECT_EQ(std::get<StoreDictionary>(*store.objectForKey("ada")), ada);
    EXPECT_EQ(std::get<QString>(*store.objectForKey("LastUser")), QStringLiteral("cy"));
}

TEST_F(UserDefaultsStoreTest, StoresKeepEachOthersKeysAndReplaceValuesWhole)
{
    UserDefaultsStore first(storePath());
    UserDefaultsStore second(storePath());
    EXPECT_FALSE(first.objectForKey("LastUser").has_value());
    first.setObject("ada", StoreDictionary {{"old", int64_t {1}}, {"kept", int64_t {2}}});
    second.setObject("bob", int64_t {2});
    first.setObject("ada", StoreDictionary {{"kept", int64_t {3}}});
    EXPECT_EQ(std::get<int64_t>(*first.objectForKey("bob")), 2);
    EXPECT_EQ(std::get<StoreDictionary>(*second.objectForKey("ada")), (StoreDictionary {{"kept", int64_t {3}}}));
}

// A kill can leave QSaveFile's temporary file, or a lock file with no holder or not yet
// filled in: the next save clears the first and takes the lock at once.
TEST_F(UserDefaultsStoreTest, NextSaveClearsWhatAKilledSaveLeft)
{
    const QString lock = storePath() + QStringLiteral(".lock");
    for (const QByteArray& lockText : {QByteArray(), QByteArray("999999999\nsixfold\n" + QSysInfo::machineHostName().toUtf8() + "\n")}) {
        writeFile(lock, lockText);
        QFile file(lock);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-10), QFileDevice::FileModificationTime);
        file.close();
        writeFile(storePath() + QStringLiteral(".aB3xYz"), "{\"half");
        writeFile(storePath() + QStringLiteral(".corrupt-20240101-000000-000"), "kept");
        testing::internal::CaptureStdout();
        EXPECT_TRUE(UserDefaultsStore(storePath()).setObjects({{"LastUser", QString::fromLatin1(lockText.left(3))}}));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(siblings(), QStringList({"defaults.json", "defaults.json.corrupt-20240101-000000-000"}));
    }
}

struct Failure {
    const char* name;
    const char* mode;        // of the saving process
    const char* setUp;       // "document", "read-only", "folder", "corrupt in a locked folder"
    const char* message;
};

class StoreFailureTest : public UserDefaultsStoreTest, public testing::WithParamInterface<Failure> {};

// Each failure is reported once over two saves, and what is on disk stays as it was. Tests
// run as root here, which ignores mode bits: the saving process gives up that right first.
TEST_P(StoreFailureTest, NothingOnDiskIsLostAndThePlayerHearsOnce)
{
    const Failure failure = GetParam();
    const QString setUp = failure.setUp;
    const QByteArray old = setUp.startsWith("corrupt") ? "{\"torn" : "{\n    \"LastUser\": \"ada\"\n}\n";
    if (setUp == "folder")
        QDir().mkpath(storePath());
    else
        writeFile(storePath(), old);
    if (setUp == "read-only")
        QFile::setPermissions(storePath(), QFile::WriteOwner);
    if (setUp.startsWith("corrupt"))
        QFile::setPermissions(QFileInfo(storePath()).absolutePath(), QFile::ReadOwner | QFile::ExeOwner);
    const auto writer = startWriter("ada", 2, failure.mode);
    ASSERT_TRUE(writer->waitForFinished(60000));
    const QString output = QString::fromUtf8(writer->readAllStandardOutput());
    QFile::setPermissions(QFileInfo(storePath()).absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(storePath(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(output.count(QStringLiteral("play goes on without saving")), 1) << output.toStdString();
    EXPECT_TRUE(output.contains(QString::fromUtf8(failure.message))) << output.toStdString();
    EXPECT_EQ(document(), setUp == "folder" ? QByteArray() : old);
    QStringList left = siblings();
    left.removeAll(QStringLiteral("defaults.json.lock"));
    EXPECT_EQ(left, QStringList {"defaults.json"});
}

INSTANTIATE_TEST_SUITE_P(Store, StoreFailureTest, testing::Values(
    Failure {"DiskFull", "full", "document", "The statistics cannot be saved in"},
    Failure {"ReadOnly", "unprivileged", "read-only", "cannot be read (Permission denied)"},
    Failure {"FolderInItsPlace", "", "folder", "cannot be read"},
    Failure {"CorruptAndCannotBeMoved", "unprivileged", "corrupt in a locked folder", "could not be read, nor moved aside"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UserDefaultsStoreTest, TwoProcessesSavingAtOnceKeepBothRecords)
{
    const auto ada = startWriter("ada", 100);
    const auto bob = startWriter("bob", 100);
    ASSERT_TRUE(ada->waitForFinished(60000));
    ASSERT_TRUE(bob->waitForFinished(60000));
    UserDefaultsStore store(storePath());
    EXPECT_EQ(countOf(store.objectForKey("ada")), 100);
    EXPECT_EQ(countOf(store.objectForKey("bob")), 100);
}

// Each round lets the saver complete a seeded number of saves and kills it during the next.
TEST_F(UserDefaultsStoreTest, KillingASaverAtAnyMomentLosesNoCompletedSave)
{
    UserDefaultsStore(storePath()).setObject("LastUser", QStringLiteral("keeper"));
    QRandomGenerator random(20240611);
    int64_t lastCompleted = 0;
    for (int round = 0; round < 20; ++round) {
        const auto writer = startWriter("victim", 1000000);
        const int64_t target = lastCompleted + random.bounded(1, 8);
        QByteArray output;
        while (!output.endsWith(QByteArray::number(static_cast<qlonglong>(target)) + '\n') && writer->waitForReadyRead(10000))
            output += writer->readAllStandardOutput();
        writer->kill();
        ASSERT_TRUE(writer->waitForFinished());
        output += writer->readAllStandardOutput();
        const QList<QByteArray> completed = output.trimmed().split('\n');
        lastCompleted = std::max<int64_t>(lastCompleted, completed.constLast().toLongLong());
        UserDefaultsStore store(storePath());
        const int64_t stored = countOf(store.objectForKey("victim"));
        ASSERT_TRUE(decodeStoreDocument(document()).has_value()) << "round " << round;
        ASSERT_GE(stored, lastCompleted) << "round " << round;
        ASSERT_LE(stored, lastCompleted + 1) << "round " << round;
        lastCompleted = stored;
        ASSERT_TRUE(store.objectForKey("LastUser").has_value());
    }
}

} // namespace
