// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/round_record.h"

#include <QList>
#include <QMap>
#include <QSqlError>
#include <QString>

#include <optional>

class QSqlDatabase;
class QSqlQuery;

// What a write or an open came to. `message` is for the console, printed once by the
// caller; it can be set on success too (a damaged file was moved aside and a new one begun).
struct HistoryStatus {
    bool isDone = false;
    QString message;
};

// A point of the score chart: the round's number in the player's history (from 1).
struct RoundScores {
    int number = 0;
    QDateTime playedAt;
    int score = 0;
    int computerScore = 0;

    bool operator==(const RoundScores&) const = default;
};

// Rounds set against the computer's score, and runs of rounds won in time order.
struct WinRecord {
    int won = 0;
    int drawn = 0;
    int lost = 0;
    int currentStreak = 0; // rounds won since the last round not won
    int longestStreak = 0;

    bool operator==(const WinRecord&) const = default;
};

struct BestWord {
    QString word;
    int score = 0;
    QDateTime playedAt; // the first round that made it

    bool operator==(const BestWord&) const = default;
};

// Everything the statistics window shows for one player.
struct PlayerStatistics {
    QList<RoundScores> rounds; // oldest first
    QMap<int, int> scoreCounts; // round score -> rounds
    WinRecord wins;
    QList<BestWord> bestWords; // best first, each word once, at most ten
    std::optional<RoundRecord> lastRound;
};

// The history of submitted rounds, one SQLite file shared by every running game. Opened on
// first use, never before. A failure turns the history off for the rest of the run with one
// message, except another game holding the file too long, which costs only that attempt; it
// never throws, and play goes on without it.
class HistoryDatabase {
public:
    static constexpr int kSchemaVersion = 1;

    // $XDG_DATA_HOME/sixfold/history.sqlite (normally ~/.local/share/sixfold).
    static QString standardFilePath();

    // Waits up to `busyWaitMs` for another game holding the file.
    explicit HistoryDatabase(QString filePath = standardFilePath(), int busyWaitMs = 5000);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    QString filePath() const { return m_filePath; }

    // Opens the file, upgrades its schema, moves a damaged file aside. The message comes
    // once: later calls after a failure return isDone false and no message.
    HistoryStatus open();

    // Writes the round in one transaction; opens the file first when needed.
    HistoryStatus recordRound(const RoundRecord& round);

    // The queries read nothing and answer empty while the history is unavailable.
    QStringList players();
    // The player's last `count` rounds (all of them when count < 0), oldest first.
    QList<RoundScores> roundScores(const QString& player, int count);
    QMap<int, int> scoreCounts(const QString& player);
    WinRecord winRecord(const QString& player);
    QList<BestWord> bestWords(const QString& player, int count = 10);
    std::optional<RoundRecord> lastRound(const QString& player);
    QList<RoundRecord> allRounds(const QString& player); // oldest first, for export
    PlayerStatistics statistics(const QString& player, int lastRounds = 100);

private:
    QSqlError connect();
    void disconnect();
    QString moveAside();
    HistoryStatus fail(const QSqlError& error);
    QSqlError migrate(QSqlDatabase& db);
    QSqlError insert(const RoundRecord& round);
    struct Tally {
        QMap<int, int> scoreCounts;
        WinRecord wins;
        int rounds = 0;
    };
    Tally tally(const QString& player);
    QList<RoundScores> roundScores(const QString& player, int count, int total);
    std::optional<QSqlQuery> run(const QString& sql, const QVariantList& values = {});

    enum class State { Closed, Open, Failed };
    QString m_filePath;
    QString m_connection;
    State m_state = State::Closed;
    int m_busyWaitMs;
};
