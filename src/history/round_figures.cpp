// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/round_figures.h"

#include <algorithm>
#include <array>

namespace RoundFigures {

WinRecord winRecord(const QList<RoundScores>& rounds)
{
    WinRecord wins;
    for (const RoundScores& round : rounds) {
        if (round.score > round.computerScore) {
            ++wins.won;
            wins.longestStreak = std::max(wins.longestStreak, ++wins.currentStreak);
        } else {
            ++(round.score == round.computerScore ? wins.drawn : wins.lost);
            wins.currentStreak = 0;
        }
    }
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
        run = run > 0 && result.number == previous + 1 ? run + 1 : 1;
        previous = result.number;
        streak.longest = std::max(streak.longest, run);
    }
    // A run that stopped before yesterday is over; one that reached yesterday can still go on today.
    if (!results.isEmpty() && (previous == today || previous == today - 1))
        streak.current = run;
    return streak;
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
