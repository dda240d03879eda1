// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/player/stats_text.h"

#include "core/player/user_stats.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

namespace {

// Two decimals in the interface's language (whose locale never groups digits), as the panel
// has always shown them.
QString twoDecimals(float value)
{
    return QLocale().toString(static_cast<double>(value), 'f', 2);
}

} // namespace

std::string statsText(const UserStats& stats)
{
    // The figures stand indented under the heading; the indent is layout, not words.
    const QString indent = QStringLiteral("    ");
    const QString text = QCoreApplication::translate("Statistics", "Stats for %1:").arg(QString::fromUtf8(stats.userName)) + u'\n'
        + indent + QCoreApplication::translate("Statistics", "Average Score: %1").arg(twoDecimals(stats.averageScore)) + u'\n'
        + indent + QCoreApplication::translate("Statistics", "Average Valid Words Per Puzzle: %1").arg(twoDecimals(stats.averageValidWordsPerPuzzle))
        + u'\n' + indent + QCoreApplication::translate("Statistics", "Average Word Score: %1").arg(twoDecimals(stats.averageWordScore)) + u'\n'
        + indent + QCoreApplication::translate("Statistics", "Total Puzzle Submissions: %1").arg(stats.totalPuzzlesSubmitted) + u'\n'
        + indent + QCoreApplication::translate("Statistics", "Total Words Made: %1").arg(stats.totalWordsMade) + u'\n'
        + indent + QCoreApplication::translate("Statistics", "Computer Average: %1").arg(twoDecimals(stats.computerAverage)) + u'\n'
        + indent
        + QCoreApplication::translate("Statistics", "Best Word: '%1', %n points", nullptr, stats.bestWordScore).arg(QString::fromUtf8(stats.bestWord))
        + u'\n' + indent + QCoreApplication::translate("Statistics", "Best Round Score: %1").arg(stats.bestRoundScore) + u'\n';
    return text.toStdString();
}
