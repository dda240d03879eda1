// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample_rounds.h"

#include "core/history/history_database.h"
#include "core/board/word_score.h"

#include <QFile>
#include <QPoint>
#include <QRegularExpression>

namespace {

int scoreOf(const QString& word)
{
    return scoreWord(word.toLatin1().constData());
}

} // namespace

SampleRounds::SampleRounds(quint32 seed)
    : m_random(seed)
{
    QFile file(QStringLiteral(SIXFOLD_WORDS_FILE));
    if (file.open(QIODevice::ReadOnly))
        m_words = QString::fromLatin1(file.readAll()).toUpper().split(u'\n', Qt::SkipEmptyParts);
    m_words.removeIf([](const QString& word) { return word.size() != 6 || word.contains(QRegularExpression(QStringLiteral("[^A-Z]"))); });
    if (m_words.isEmpty())
        m_words << QStringLiteral("GARDEN");
    for (const QString& word : m_words)
        for (int k = 0; k < 6; ++k)
            m_byLetter[k][word[k].unicode() - u'A'].append(word);
}

// A random word with the given letters at the given places, or "" when the list has none.
QString SampleRounds::wordWith(int position, QChar letter, int position2, QChar letter2)
{
    const int index = letter.unicode() - u'A';
    if (index < 0 || index >= 26 || m_byLetter[position][index].isEmpty())
        return {};
    const QStringList& words = m_byLetter[position][index];
    const int start = int(m_random.bounded(words.size()));
    for (int i = 0; i < words.size(); ++i) {
        const QString& word = words[(start + i) % words.size()];
        if (position2 < 0 || word[position2] == letter2)
            return word;
    }
    return {};
}

RoundRecord SampleRounds::next(const QString& player, const QDateTime& playedAt, double skill)
{
    RoundRecord round;
    round.player = player;
    round.playedAt = playedAt;
    QString words[5];
    int vowel = 0;
    int cross2 = 0;
    int cross4 = 0;
    do {
        words[0] = m_words[int(m_random.bounded(m_words.size()))];
        vowel = int(words[0].indexOf(QRegularExpression(QStringLiteral("[AEIOU]"))));
        vowel = vowel < 0 ? 0 : vowel;
        words[1] = wordWith(0, words[0][vowel]);
        cross2 = int(m_random.bounded(vowel + 1));
        words[2] = words[1].isEmpty() ? QString() : wordWith(cross2, words[1][3]);
        words[3] = words[2].isEmpty() ? QString() : wordWith(0, words[2][5]);
        cross4 = int(m_random.bounded(6));
        words[4] = words[3].isEmpty() ? QString() : wordWith(cross4, words[3][5]);
    } while (words[4].isEmpty());
    const int x2 = vowel - cross2;
    const int x3 = x2 + 5;
    const QPoint starts[5] = {{0, 0}, {vowel, 0}, {x2, 3}, {x3, 3}, {x3 - cross4, 8}};
    // The places in each slot where another word crosses it.
    const int crossings[5][2] = {{vowel, -1}, {0, 3}, {cross2, 5}, {0, 5}, {cross4, -1}};
    for (int slot = 0; slot < kRoundSlots; ++slot) {
        SlotRecord& record = round.wordSlots[slot];
        record.x = starts[slot].x();
        record.y = starts[slot].y();
        record.direction = slot % 2 ? Direction::Down : Direction::Across;
        record.solution = words[slot];
        round.computerScore += scoreOf(words[slot]);
        const auto [first, second] = crossings[slot];
        if (m_random.generateDouble() < 0.35 + 0.6 * skill) {
            // A player who knows more words finds a better one among a few tries.
            for (int tries = 1 + int(skill * 4); tries > 0; --tries) {
                const QString word = wordWith(first, words[slot][first], second,
                                              second < 0 ? QChar() : words[slot][second]);
                if (!word.isEmpty() && scoreOf(word) > record.score) {
                    record.letters = word;
                    record.score = scoreOf(word);
                    record.isWord = true;
                }
            }
        }
        if (!record.isWord) {
            record.letters = QString(6, u' ');
            for (int k = 0; k < 6; ++k) {
                if (k == first || k == second)
                    record.letters[k] = words[slot][k];
                else if (m_random.bounded(3))
                    record.letters[k] = QChar(char16_t(u'A' + m_random.bounded(26)));
            }
        }
        round.roundScore += record.score;
        round.wordsMade += record.isWord;
    }
    return round;
}

void SampleRounds::fill(HistoryDatabase& history, int rounds, quint32 seed, const QDateTime& start)
{
    SampleRounds sample(seed);
    const QString players[] = {QStringLiteral("ada"), QStringLiteral("bob"), QStringLiteral("zoë")};
    const double skills[] = {0.6, 0.35, 0.5};
    QDateTime when = start;
    for (int i = 0; i < rounds; ++i) {
        const int who = i % 10 < 7 ? 0 : i % 10 < 9 ? 1 : 2;
        // Skill grows slowly with practice.
        const double skill = std::min(1.0, skills[who] + 0.2 * i / std::max(rounds, 1));
        // A few minutes a round, a new session every fifteen rounds.
        when = when.addSecs(i % 15 ? 60 + sample.m_random.bounded(240) : 20 * 3600 + sample.m_random.bounded(8 * 3600));
        RoundRecord round = sample.next(players[who], when, skill);
        // A third as kept before the history recorded the best possible score.
        if (i % 3 != 0)
            round.bestPossible = std::max(round.computerScore, round.roundScore) + int(sample.m_random.bounded(20));
        history.recordRound(round);
    }
}
