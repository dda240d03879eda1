// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/shared_result.h"

#include "core/round/hint.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdlib>

QString shareableResult(const RoundOutcome& outcome)
{
    QString heading = QCoreApplication::translate("SharedResult", "Sixfold %1", "%1 names the board: a daily board or a board code")
                          .arg(outcome.boardName)
                          .trimmed();
    if (outcome.practice)
        heading = QCoreApplication::translate("SharedResult", "%1 (practice)", "a shared result's heading of a daily board played again")
                      .arg(heading);
    const QString scores = outcome.bestPossible
        ? QCoreApplication::translate("SharedResult", "Me %1 · computer %2 · best possible %3")
              .arg(outcome.playerScore)
              .arg(outcome.computerScore)
              .arg(*outcome.bestPossible)
        : QCoreApplication::translate("SharedResult", "Me %1 · computer %2").arg(outcome.playerScore).arg(outcome.computerScore);
    QStringList marks;
    int words = 0;
    for (const bool isWord : outcome.isWord) {
        marks << (isWord ? QStringLiteral("✓") : QStringLiteral("✗"));
        words += isWord ? 1 : 0;
    }
    const QString hints = outcome.hints > 0 ? QStringLiteral(" · ") + hintCount(outcome.hints) : QString();
    const QString made = QCoreApplication::translate("SharedResult", "%1/%2 words", "words made out of the board's words").arg(words).arg(kWordCount);
    return QStringLiteral("%1\n%2\n%3  %4%5\n").arg(heading, scores, marks.join(QLatin1Char(' ')), made, hints);
}

QString roundSummary(int yours, int computers)
{
    // Whole sentences, so that a translation words each outcome its own way.
    if (yours == computers)
        return QCoreApplication::translate("Outcome", "Round over: your score %1, the computer's %2, a draw.").arg(yours).arg(computers);
    const QString sentence = yours > computers
        ? QCoreApplication::translate("Outcome", "Round over: your score %1, the computer's %2, you won by %3.")
        : QCoreApplication::translate("Outcome", "Round over: your score %1, the computer's %2, the computer won by %3.");
    return sentence.arg(yours).arg(computers).arg(std::abs(yours - computers));
}

QString roundMargin(int yours, int computers)
{
    return yours > computers ? QCoreApplication::translate("Outcome", "you won by %1").arg(yours - computers)
        : yours < computers  ? QCoreApplication::translate("Outcome", "the computer won by %1").arg(computers - yours)
                             : QCoreApplication::translate("Outcome", "a draw");
}
