// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/shared_result.h"

#include "core/round/hint.h"

#include <QStringList>

QString shareableResult(const RoundOutcome& outcome)
{
    QString heading = QStringLiteral("Sixfold %1").arg(outcome.boardName).trimmed();
    if (outcome.practice)
        heading += QStringLiteral(" (practice)");
    QString scores = QStringLiteral("Me %1 · computer %2").arg(outcome.playerScore).arg(outcome.computerScore);
    if (outcome.bestPossible)
        scores += QStringLiteral(" · best possible %1").arg(*outcome.bestPossible);
    QStringList marks;
    int words = 0;
    for (const bool isWord : outcome.isWord) {
        marks << (isWord ? QStringLiteral("✓") : QStringLiteral("✗"));
        words += isWord ? 1 : 0;
    }
    const QString hints = outcome.hints > 0 ? QStringLiteral(" · ") + hintCount(outcome.hints) : QString();
    return QStringLiteral("%1\n%2\n%3  %4/%5 words%6\n")
        .arg(heading, scores, marks.join(QLatin1Char(' ')))
        .arg(words)
        .arg(kWordCount)
        .arg(hints);
}

QString roundMargin(int yours, int computers)
{
    return yours > computers ? QStringLiteral("you won by %1").arg(yours - computers)
        : yours < computers  ? QStringLiteral("the computer won by %1").arg(computers - yours)
                             : QStringLiteral("a draw");
}
