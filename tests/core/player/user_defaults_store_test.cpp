// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/problem_report.h"
#include "core/player/user_defaults_store.h"

#include "support/layer_test.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>

#include <cmath>

#include <sys/stat.h>

namespace {

using Optional = std::optional<StoreValue>;
using Dictionary = StoreDictionary;
constexpr int64_t kMax = INT64_MAX, kMin = INT64_MIN, k2p53 = (int64_t {1} << 53) + 1;

class StoreTest : public PlatformTest {
protected:
    QString path(const QString& name = "defaults.json") const { return configHome() + "/sixfold/" + name; }
    QByteArray read(const QString& name = "defaults.json") const { QFile file(path(name)); return file.open(QIODevice::ReadOnly) ? file.readAll() : ""; }
    void write(const QString& name, const QByteArray& bytes, int age = 0) const // age in seconds
    {
        QFile file((QDir().mkpath(path("")), path(name)));
        (void)(file.open(QIODevice::WriteOnly) && file.write(bytes) >= 0 && file.flush()
               && file.setFileTime(QDateTime::currentDateTime().addSecs(-age), QFile::FileModificationTime));
    }
    QStringList files() const { return QDir(path("")).entryList(QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot); }
    void start(QProcess& writer, const QString& key, int saves, const QString& mode = {}) const
    { writer.start(QCoreApplication::applicationDirPath() + "/store_writer", {path(), key, QString::number(saves), mode}); }
};

// Each row: a value (when there is one), a text holding it, and what reading either gives. Whole
// numbers exact (past 2^24 and 2^53 too), a float in the fewest digits that read back as itself, a
// lone key named like a type in the older form; typed and plain are read, with or without a decimal point.
TEST_F(StoreTest, ValuesAreWrittenPlainAndReadByRangeWholenessAndKind)
{
    const struct { Optional value; const char* json; Optional read; } rows[] = {
        {int64_t {16777217}, "16777217", int64_t {16777217}}, {k2p53, "9007199254740993", k2p53}, {2.0, "2.0", int64_t {2}},
        {kMax, "9223372036854775807", kMax}, {kMin, "-9223372036854775808", kMin}, {0.1, "0.1", 0.1}, {NAN, "null", {}},
        {1e300, "1e+300", 1e300}, {HUGE_VAL, "null", {}}, {12.57f, "12.57", 12.57}, {Dictionary {}, "{}", Dictionary {}},
        {3e9f, "3000000000.0", int64_t {3000000000}}, {16777217.0f, "16777216.0", int64_t {16777216}},
        {QString("Zoë \"q\""), "\"Zoë \\\"q\\\"\"", QString("Zoë \"q\"")}, {{}, "true", {}}, {{}, "[1]", {}},
        {Dictionary {{"a", int64_t {1}}, {"b", QString("s")}}, "{\n        \"a\": 1,\n        \"b\": \"s\"\n    }",
         Dictionary {{"a", int64_t {1}}, {"b", QString("s")}}},
        {Dictionary {{"float", 12.57f}}, R"({"dictionary": {"float": {"float": 12.57}}})", Dictionary {{"float", 12.57}}},
        {Dictionary {{"int64", int64_t {5}}}, R"({"dictionary": {"int64": {"int64": "5"}}})", Dictionary {{"int64", int64_t {5}}}},
        {Dictionary {{"string", QString("a")}}, R"({"dictionary": {"string": {"string": "a"}}})", Dictionary {{"string", QString("a")}}},
        {{}, "1.7e1", int64_t {17}}, {{}, "-0.5", -0.5}, {{}, "9223372036854775808.0", 0x1p63}, {{}, R"({"string": 5})", {}},
        {{}, "-9223372036854775808.0", kMin}, {{}, R"({"int32": 4})", int64_t {4}}, {{}, R"({"int64": "12x"})", {}},
        {{}, R"({"int64": 12})", int64_t {12}}, {{}, R"({"float": 17.25})", 17.25}, {{}, R"({"float": "nan"})", {}},
        {{}, R"({"dictionary": 5})", {}}, {{}, R"({"bogus": 4})", Dictionary {{"bogus", int64_t {4}}}},
        {{}, R"({"int32": 4, "more": "m"})", Dictionary {{"int32", int64_t {4}}, {"more", QString("m")}}},
        {{}, R"({"a": 1, "b": true, "c": 0.5})", Dictionary {{"a", int64_t {1}}, {"b", NAN}, {"c", 0.5}}},
        {{}, R"({"dictionary": {"a": {"int32": 1}, "b": {"float": "inf"}, "c": 2}})", Dictionary {{"a", int64_t {1}}, {"b", NAN}, {"c", NAN}}},
    };
    // Read from the row's text and, when there is a value, from what writing it gives.
    const auto readBack = [](const QByteArray& text) {
        const auto document = decodeStoreDocument(text);
        return document && document->count("x") ? Optional(document->at("x")) : std::nullopt;
    };
    for (const auto& row : rows) {
        const QByteArray text = "{\n    \"x\": " + QByteArray(row.json) + "\n}\n";
        for (const Optional& read : {readBack(text), row.value ? readBack(encodeStoreDocument({{"x", *row.value}})) : row.read})
            // A dictionary's member that is no value reads as NaN, which equals nothing: compared by its text.
            EXPECT_TRUE(read == row.read || (read && row.read && std::holds_alternative<Dictionary>(*read)
                                             && encodeStoreDocument({{"x", *read}}) == encodeStoreDocument({{"x", *row.read}})))
                << row.json;
    }
    EXPECT_EQ(encodeStoreDocument({{"b", int64_t {1}}, {"a", 0.5}}), "{\n    \"a\": 0.5,\n    \"b\": 1\n}\n");
    EXPECT_FALSE(decodeStoreDocument("[1, 2]") || decodeStoreDocument("{") || decodeStoreDocument(""));
}

// What is understood whole is rewritten plain; the rest is kept exactly as it was found.
TEST_F(StoreTest, TypedDocumentIsRewrittenPlainKeepingWhatItDoesNotUnderstand)
{
    write("defaults.json", R"({"LastUser": {"string": "ada"}, "later": [1, {"x": 2}],
        "ada": {"dictionary": {"averageScore": {"float": 17.25}, "totalScores": {"int64": "9007199254740993"}}},
        "bob": {"dictionary": {"ill": {"float": "nan"}, "kept": {"int32": 1}}}, "cy": {"averageScore": 0.0}, "dee": {"dictionary": 5}})");
    UserDefaultsStore store(path());
    EXPECT_EQ(store.objectForKey("ada"), Optional(Dictionary {{"averageScore", 17.25}, {"totalScores", k2p53}}));
    EXPECT_TRUE(store.updateObject("LastUser", [](const Optional& stored) { EXPECT_EQ(stored, Optional(QString("ada"))); return QString("cy"); }));
    EXPECT_TRUE(store.updateObject("new", [](const Optional& stored) { EXPECT_FALSE(stored); return int64_t {1}; }));
    EXPECT_EQ(QJsonDocument::fromJson(read()), QJsonDocument::fromJson(R"({"LastUser": "cy",
        "ada": {"averageScore": 17.25, "totalScores": 9007199254740993},
        "bob": {"dictionary": {"ill": {"float": "nan"}, "kept": {"int32": 1}}}, "cy": {"averageScore": 0.0}, "dee": {"dictionary": 5},
        "later": [1, {"x": 2}], "new": 1})"));
    struct stat before {}, after {}; // nothing to change is no failure, no write (which would make a new file), no lock
    QLockFile held(path("defaults.json.lock"));
    ASSERT_TRUE(held.tryLock(0) && ::stat(qPrintable(path()), &before) == 0);
    EXPECT_TRUE(store.setObjects({{"new", int64_t {1}}}));
    EXPECT_TRUE(::stat(qPrintable(path()), &after) == 0 && after.st_ino == before.st_ino);
}

// A kill can leave QSaveFile's temporary file, or a lock file with no holder or not yet filled
// in: the next save clears the first and takes the lock at once. A document that does not
// parse is moved aside, said once, and the store starts empty.
TEST_F(StoreTest, NextSaveClearsWhatAKilledSaveLeftAndMovesATornDocumentAside)
{
    for (const QByteArray& lock : {QByteArray(), "999999999\nsixfold\n" + QSysInfo::machineHostName().toUtf8() + "\n"}) {
        write("defaults.json.lock", lock, 10), write("defaults.json.aB3xYz", "{\"half"), write("defaults.json", "{\"torn");
        write("defaults.json.aB3xYz7", "not a temporary name");
        QStringList said;
        setProblemReporter([&](const QByteArray& message) { said << QString::fromUtf8(message); });
        EXPECT_TRUE(UserDefaultsStore(path()).setObjects({{"LastUser", QString("ada")}}));
        const QString aside = files().filter("corrupt").value(0);
        ASSERT_EQ(files(), QStringList({"defaults.json", "defaults.json.aB3xYz7", aside}));
        EXPECT_EQ(said, QStringList {"The saved statistics in " + path() + " could not be read; they were moved to "
                                     + path(aside) + " and play goes on with none.\n"});
        EXPECT_EQ(read(aside), "{\"torn");
        QFile::remove(path(aside));
    }
    setProblemReporter({});
}

// Each failure is said once over two saves, and what is on disk stays as it was. Tests run as
// root here, which ignores mode bits: the saving process gives up that right first.
TEST_F(StoreTest, NothingOnDiskIsLostAndThePlayerHearsOnce)
{
    const struct { const char* mode; QString setUp; const char* message; } rows[] = {
        {"full", "document", "The statistics cannot be saved in"}, // a full disk
        {"unprivileged", "read-only", "cannot be read (Permission denied)"}, {"", "folder", "cannot be read"},
        {"unprivileged", "corrupt in a locked folder", "could not be read, nor moved aside"}, {"", "fifo", "(not a regular file)"}};
    for (const auto& row : rows) {
        const QByteArray old = row.setUp.startsWith("corrupt") ? "{\"torn" : "{\n    \"LastUser\": \"ada\"\n}\n";
        QDir(path()).removeRecursively(), QFile::remove(path());
        row.setUp == "folder" ? (void)QDir().mkpath(path()) : row.setUp == "fifo" ? (void)::mkfifo(qPrintable(path()), 0600) : write("defaults.json", old);
        QFile::setPermissions(path(), row.setUp == "read-only" ? QFile::WriteOwner : QFile::ReadOwner | QFile::WriteOwner);
        QFile::setPermissions(path(""), row.setUp.startsWith("corrupt") ? QFile::ReadOwner | QFile::ExeOwner
                                                                          : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess writer;
        start(writer, "ada", 2, row.mode);
        ASSERT_TRUE(writer.waitForFinished(60000));
        const QString output = QString::fromUtf8(writer.readAllStandardOutput());
        for (const QString& changed : {path(""), path()})
            QFile::setPermissions(changed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_TRUE(output.count("play goes on without saving") == 1 && output.contains(row.message)) << output.toStdString();
        EXPECT_EQ(QFileInfo(path()).isFile() ? read() : QByteArray(), row.setUp == "folder" || row.setUp == "fifo" ? QByteArray() : old) << row.mode;
        EXPECT_EQ(files(), QStringList {"defaults.json"}) << row.mode;
    }
    EXPECT_FALSE(UserDefaultsStore(path()).setObjects({{"LastUser", QString("bo")}})) << "a save refused is no success";
}

// Each round lets a saver complete a seeded number of saves and kills it during the next, while another saver runs all along.
TEST_F(StoreTest, TwoSaversKeepBothRecordsAndAKilledOneLosesNoCompletedSave)
{
    UserDefaultsStore(path()).setObject("LastUser", QString("keeper"));
    QProcess other;
    start(other, "other", 100);
    QRandomGenerator random(20240611);
    int64_t completed = 0;
    for (int round = 0; round < 10; ++round) {
        QProcess writer;
        start(writer, "victim", 1000000);
        const QByteArray target = QByteArray::number(completed + random.bounded(1, 8)) + '\n';
        QByteArray output;
        while (!output.endsWith(target) && writer.waitForReadyRead(10000))
            output += writer.readAllStandardOutput();
        writer.kill(), writer.waitForFinished();
        completed = std::max<int64_t>(completed, (output + writer.readAllStandardOutput()).trimmed().split('\n').constLast().toLongLong());
        UserDefaultsStore store(path());
        const int64_t stored = std::get<int64_t>(store.objectForKey("victim").value_or(int64_t {0}));
        ASSERT_TRUE(stored == completed || stored == completed + 1) << stored << " after " << completed;
        ASSERT_EQ(store.objectForKey("LastUser"), Optional(QString("keeper")));
        completed = stored;
    }
    ASSERT_TRUE(other.waitForFinished(60000));
    EXPECT_EQ(UserDefaultsStore(path()).objectForKey("other"), Optional(int64_t {100}));
}

} // namespace
