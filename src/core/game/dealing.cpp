// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game/dealing.h"

#include "core/board/picking.h"
#include "core/platform/log_console.h"

#include <QCoreApplication>
#include <QLocale>

DealOrigin randomDeal()
{
    return DealOrigin {seedDealingFromEntropy(), 0};
}

DealChoice dealFromCode(const QString& code, const WordListTag& list)
{
    const CodeReading reading = readBoardCode(code, list);
    if (reading.fault != CodeFault::None)
        return {std::nullopt, codeFaultSentence(reading.fault)};
    return {DealOrigin {reading.seed, 0}, QString()};
}

DealChoice dailyDeal(QDate today)
{
    const int number = dailyNumber(today);
    if (number >= 1)
        return {DealOrigin {dailySeed(number), number}, QString()};
    return {std::nullopt, QCoreApplication::translate("Daily", "There is no daily board before Daily #1, the board of %1 (UTC).")
                              .arg(QLocale().toString(today.addDays(1 - number),
                                                                //: The day's date, as QDate writes it: "d. MMMM yyyy" in German.
                                                                QCoreApplication::translate("Daily", "d MMMM yyyy")))};
}

bool dealBoard(const DealOrigin& origin, const std::function<void()>& layOut,
               const std::function<void()>& clearShown)
{
    const std::optional<PuzzleWords> puzzle = selectPuzzleWords(origin.seed);
    if (!puzzle) {
        printMessage(QCoreApplication::translate("Game", "The word list cannot make a puzzle, so the board stays empty.\n"));
        clearShown();
        gameModel().clear();
        return false;
    }
    gameModel().deal(wordsOf(*puzzle), chainCrossings(*puzzle));
    gameModel().setOrigin(origin);
    layOut();
    return true;
}

QString codeDealtSentence(const DealOrigin& origin, const WordListTag& list)
{
    return QCoreApplication::translate("Game", "Board %1 dealt.").arg(boardCode(origin.seed, list));
}

QString windowTitleOf(const std::optional<DealOrigin>& origin)
{
    return origin && origin->dailyNumber != 0
        ? QCoreApplication::translate("AppDelegate", "Sixfold — Daily #%1").arg(origin->dailyNumber)
        : QCoreApplication::translate("AppDelegate", "Sixfold");
}

QString boardNameOf(const std::optional<DealOrigin>& origin, const WordListTag& list)
{
    if (!origin)
        return QString();
    if (origin->dailyNumber != 0)
        return QCoreApplication::translate("Daily", "Daily #%1").arg(origin->dailyNumber);
    return boardCode(origin->seed, list);
}
