// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

// The figures of a player's history of rounds, the ones the history window shows, worked out
// from plain records: no database, no widget. Not to be confused with the player's record
// of totals and averages, which the statistics panel shows and the store keeps.

// A round as the figures see it; its number in the player's history counts from 1.
struct RoundScores {
    int number {};
    QDateTime playedAt;
    int score {};
    int computerScore {};

    bool operator==(const RoundScores&) const = default;
};

// Rounds set against the computer's score, and runs of rounds won in time order.
struct WinRecord {
    int won {};
    int drawn {};
    int lost {};
    int currentStreak {}; // rounds won since the last round not won
    int longestStreak {};

    bool operator==(const WinRecord&) const = default;
};

// A daily result: the daily board's number, the player's score and the computer's.
struct DailyResult {
    int number {};
    int score {};
    int computerScore {};

    bool operator==(const DailyResult&) const = default;
};

// Runs of days with a daily result.
struct DailyStreak {
    int current {}; // the run that ends today, or yesterday while today is still to play
    int longest {};

    bool operator==(const DailyStreak&) const = default;
};

struct BestWord {
    QString word; // upper case
    int score {};
    QDateTime playedAt; // the first round that made it

    bool operator==(const BestWord&) const = default;
};

// Round scores from `low` to `high`, both included, and how many rounds scored them.
struct ScoreBucket {
    qint64 low {};
    qint64 high {};
    int rounds {};

    bool operator==(const ScoreBucket&) const = default;
};

namespace RoundFigures {

inline constexpr int kMostBuckets = 12;
inline constexpr int kBestWordCount = 10;

// `rounds` oldest first.
WinRecord winRecord(const QList<RoundScores>& rounds);
QMap<int, int> scoreCounts(const QList<RoundScores>& rounds); // round score -> rounds
// `results` in ascending number, each number once; `today` the number of today's daily board.
DailyStreak dailyStreak(const QList<DailyResult>& results, int today);

// Every score from the lowest to the highest in buckets of one width, the smallest of
// 1, 2, 5, 10, 20, 50, … that keeps them to `mostBuckets` (at least 1); a bucket starts on a multiple
// of the width, and buckets no round fell in are kept, so that the scores read evenly.
QList<ScoreBucket> scoreBuckets(const QMap<int, int>& scoreCounts, int mostBuckets = kMostBuckets);

// The best words of a history, best first: the highest score first, of equal scores the one
// offered first. A word counts once, whatever its case, at its best score. Words may be
// offered in any order; offered best first, nothing offered after isFull() can enter, so a
// long history can stop reading there.
class BestWords {
public:
    explicit BestWords(int count = kBestWordCount);

    void offer(const QString& letters, int score, const QDateTime& playedAt);
    bool isFull() const { return m_words.size() >= m_count; }
    QList<BestWord> words() const { return m_words; }

private:
    int m_count;
    QList<BestWord> m_words; // best first, at most m_count
};

} // namespace RoundFigures
