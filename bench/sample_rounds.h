// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/round_record.h"

#include <QRandomGenerator>
#include <QStringList>

// Rounds as a player of a given skill plays them on boards laid out as the game lays them:
// five crossing words from the shipped list, the player's own words through the same
// crossing letters. Seeded, so a history can be made again exactly.
class SampleRounds {
public:
    explicit SampleRounds(quint32 seed);

    // `skill` 0..1: how often a slot gets a word and how well it is chosen.
    RoundRecord next(const QString& player, const QDateTime& playedAt, double skill);

    // A database of `rounds` rounds for three players, the first playing most; times run
    // from `start` in sessions of a few minutes a round. Two rounds in three carry a best
    // possible score.
    static void fill(class HistoryDatabase& history, int rounds, quint32 seed, const QDateTime& start);

private:
    QString wordWith(int position, QChar letter, int position2 = -1, QChar letter2 = {});

    QRandomGenerator m_random;
    QStringList m_words;
    QStringList m_byLetter[6][26]; // words by letter at each place
};
