// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/round_figures.h"

#include <algorithm>
#include <array>

namespace RoundFigures {

WinRecord winRecord(const QList<RoundScores>& rounds)
{
    WinRecord wins;
    for (const RoundScores& round : rounds)
        wins.add(round.score, round.computerScore);
    return wins;
}

QMap<int, int> scoreCounts(const QList<RoundScores>& rounds)
{
    QMap<int, int> counts;
    for (const RoundScores& round : rounds)
        ++counts[round.score];
    return counts;
}

DailyStreak dailyStreak(const QList<DailyResult>& results, int today)
{
    DailyStreak streak;
    int run = 0;
    int previous = 0;
    for (const DailyResult& result : results) {
        if (result.number > today || (run > 0 && result.number == previous))
            continue;
        run = run > 0 && result.number == previous + 1 ? run + 1 : 1;
        previous = result.number;
        streak.longest = std::max(streak.longest, run);
    }
    // A run that stopped before yesterday is over; one that reached yesterday can still go on today.
    if (run > 0 && (previous == today || previous == today - 1))
        streak.current = run;
    return streak;
}

DailyStanding dailyStanding(const QList<DailyResult>& results, int today)
{
    const bool isTodayIn = std::any_of(results.begin(), results.end(), [today](const DailyResult& result) { return result.number == today; });
    return {isTodayIn, dailyStreak(results, today).current};
}

QList<ScoreBucket> scoreBuckets(const QMap<int, int>& scoreCounts, int mostBuckets)
{
    QList<ScoreBucket> buckets;
    if (scoreCounts.isEmpty())
        return buckets;
    // In 64 bits: an edited history may hold any int, and the buckets must still end.
    const qint64 low = scoreCounts.firstKey();
    const qint64 high = scoreCounts.lastKey();
    // Down to a multiple of the width, negative scores too.
    const auto floorTo = [](qint64 value, qint64 width) { return value - ((value % width) + width) % width; };
    qint64 width = 1;
    for (qint64 scale = 1, step = 0; (floorTo(high, width) - floorTo(low, width)) / width + 1 > mostBuckets; ++step) {
        width = std::array {2, 5, 10}[step % 3] * scale;
        if (step % 3 == 2)
            scale *= 10;
    }
    for (qint64 bucket = floorTo(low, width); bucket <= high; bucket += width) {
        int total = 0;
        for (auto it = scoreCounts.lowerBound(int(std::max(bucket, low))); it != scoreCounts.end() && it.key() < bucket + width; ++it)
            total += it.value();
        buckets.append({bucket, bucket + width - 1, total});
    }
    return buckets;
}

int roundsPerPoint(int rounds, int mostPoints)
{
    mostPoints = std::max(1, mostPoints);
    return std::max(1, (rounds + mostPoints - 1) / mostPoints);
}

ScorePoints::ScorePoints(int first, int roundsPerPoint)
    : m_next(first)
    , m_roundsPerPoint(std::max(1, roundsPerPoint))
{
}

void ScorePoints::add(int score, int computerScore)
{
    if (m_points.isEmpty() || m_points.last().last - m_points.last().first + 1 == m_roundsPerPoint) {
        m_points.append({m_next, m_next, 0, 0, score, computerScore});
        m_scoreSum = m_computerSum = 0;
    }
    ScorePoint& point = m_points.last();
    point.last = m_next++;
    m_scoreSum += score;
    m_computerSum += computerScore;
    const double rounds = point.last - point.first + 1;
    point.meanScore = double(m_scoreSum) / rounds;
    point.meanComputerScore = double(m_computerSum) / rounds;
    point.bestScore = std::max(point.bestScore, score);
    point.bestComputerScore = std::max(point.bestComputerScore, computerScore);
}

BestWords::BestWords(int count)
    : m_count(count)
{
}

void BestWords::offer(const QString& letters, int score, const QDateTime& playedAt)
{
    const QString word = letters.toUpper();
    const auto kept = std::find_if(m_words.begin(), m_words.end(), [&word](const BestWord& best) { return best.word == word; });
    if (kept != m_words.end()) {
        if (kept->score >= score)
            return;
        m_words.erase(kept);
    }
    const auto at = std::find_if(m_words.begin(), m_words.end(), [score](const BestWord& best) { return best.score < score; });
    m_words.insert(at, {word, score, playedAt});
    if (m_words.size() > m_count)
        m_words.removeLast();
}

} // namespace RoundFigures

void WinRecord::add(int score, int computerScore)
{
    if (score > computerScore) {
        ++won;
        longestStreak = std::max(longestStreak, ++currentStreak);
    } else {
        ++(score == computerScore ? drawn : lost);
        currentStreak = 0;
    }
}
