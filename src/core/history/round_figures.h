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

    // Counts the next round in recorded order.
    void add(int score, int computerScore);
    bool operator==(const WinRecord&) const = default;
};

// Rounds `first` to `last` (their numbers in the player's history) drawn as one point of the
// score chart: their mean scores and their best.
struct ScorePoint {
    int first {};
    int last {};
    double meanScore {};
    double meanComputerScore {};
    int bestScore {};
    int bestComputerScore {};

    bool operator==(const ScorePoint&) const = default;
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

// Where a player stands on today's daily board.
struct DailyStanding {
    bool isTodayIn {}; // the player's result for today is in
    int streak {};     // as DailyStreak::current

    bool operator==(const DailyStanding&) const = default;
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
// A chart of more points than this draws the mean of each run of rounds: a long history reads
// as a trend, and the chart costs the same however long the history.
inline constexpr int kMostPoints = 1000;

// `rounds` oldest first.
WinRecord winRecord(const QList<RoundScores>& rounds);
QMap<int, int> scoreCounts(const QList<RoundScores>& rounds); // round score -> rounds
// `results` in ascending number; `today` the number of today's daily board. A number after
// today (a result kept while the clock ran ahead) and a number kept twice count no more days.
DailyStreak dailyStreak(const QList<DailyResult>& results, int today);
// The same `results` seen from the day numbered `today`.
DailyStanding dailyStanding(const QList<DailyResult>& results, int today);

// How many rounds go to a point when `rounds` are drawn in at most `mostPoints` (at least 1).
int roundsPerPoint(int rounds, int mostPoints = kMostPoints);

// The points of rounds offered one by one in recorded order, numbered from `first`, with
// `roundsPerPoint` rounds to a point (the last point may have fewer). Nothing is kept per round.
class ScorePoints {
public:
    ScorePoints(int first, int roundsPerPoint);

    void add(int score, int computerScore);
    QList<ScorePoint> points() const { return m_points; }

private:
    int m_next;
    int m_roundsPerPoint;
    qint64 m_scoreSum = 0;
    qint64 m_computerSum = 0;
    QList<ScorePoint> m_points;
};

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
