// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game/game.h"

#include "core/board/board_code.h"
#include "core/board/word_list.h"
#include "core/dictionary/dictionary.h"
#include "core/game/board_keeper.h"
#include "core/game/dealing.h"
#include "core/game/stored_round.h"
#include "core/platform/log_console.h"
#include "core/player/user_stats.h"
#include "core/round/board_best.h"
#include "core/round/board_check.h"
#include "core/round/hint.h"
#include "core/round/round_history.h"
#include "core/round/round_submission.h"
#include "core/round/lexicon.h"
#include "core/round/shared_result.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr qint64 kMinutesADay = 24 * 60;

// "5 h 12 min", "12 min", "24 h"; beyond two days, whole days.
QString durationText(qint64 minutes)
{
    if (minutes >= 2 * kMinutesADay) {
        const int days = static_cast<int>(minutes / kMinutesADay); // named, for lupdate finds no call with a cast in it
        return QCoreApplication::translate("DailyLine", "%n days", nullptr, days);
    }
    QStringList parts;
    if (minutes >= 60)
        parts << QCoreApplication::translate("DailyLine", "%1 h", "hours").arg(minutes / 60);
    if (minutes % 60 != 0)
        parts << QCoreApplication::translate("DailyLine", "%1 min", "minutes").arg(minutes % 60);
    return parts.join(u' ');
}

} // namespace

bool hasBoardFor(const char* action)
{
    if (gameModel().board())
        return true;
    printMessage(QCoreApplication::translate("Game", "%1 needs a board, and the word list cannot make one.\n", "%1 is a menu action")
                     .arg(QCoreApplication::translate("Game", action)));
    return false;
}

std::optional<DealOrigin> Game::launchBoard(bool daily, const QString& code) const
{
    if (daily)
        return todaysDailyBoard();
    return code.isEmpty() ? std::nullopt : boardOfCode(code);
}

std::optional<DealOrigin> Game::boardOfCode(const QString& code) const
{
    const DealChoice choice = dealFromCode(code, wordListTag());
    if (!choice.origin) {
        myPrintf("%s\n", qUtf8Printable(choice.refusal));
        sayAloud(choice.refusal);
    }
    return choice.origin;
}

std::optional<DealOrigin> Game::todaysDailyBoard() const
{
    const DealChoice daily = dailyDeal(m_clock().date());
    if (!daily.origin) {
        myPrintf("%s\n", qUtf8Printable(daily.refusal));
        sayAloud(daily.refusal);
    }
    return daily.origin;
}

void Game::sayDailyStanding(int number)
{
    RoundArchive* book = archive();
    if (book && book->hasDailyResult(QString::fromUtf8(gUserName), number))
        printMessage(tr("Daily #%1: you have played it today already, so this round is practice.\n").arg(number));
    else
        printMessage(tr("Daily #%1: your first submission of it is today's result.\n").arg(number));
}

std::optional<Game::Question> Game::questionBeforeSubmit(bool asksWhenUnfinished) const
{
    const int unfinished = gameModel().unfinishedWords();
    if (unfinished == 0 || !canJudgeWords())
        return std::nullopt;
    const int daily = dailyResultNumber();
    if (!asksWhenUnfinished && daily == 0)
        return std::nullopt;
    return Question {unfinished, daily};
}

Game::DailyKey Game::dailyKey() const
{
    return {QString::fromUtf8(gUserName), dailyNumber(m_clock().toUTC().date())};
}

QString Game::dailyLine() const
{
    const QDateTime now = m_clock().toUTC();
    const int today = dailyNumber(now.date());
    // Rounded up, so that the board never comes "in 0 min" and the line turns at whole minutes.
    const qint64 minutes = (now.msecsTo(QDateTime(now.date().addDays(1), QTime(0, 0), Qt::UTC)) + 59999) / 60000;
    if (today < 1)
        return QCoreApplication::translate("DailyLine", "No daily board yet\nDaily #1 in %1").arg(durationText(minutes - today * kMinutesADay));
    QStringList lines {QCoreApplication::translate("Daily", "Daily #%1").arg(today)};
    if (m_dailyStanding && m_dailyAsked == dailyKey()) {
        const int streak = m_dailyStanding->streak;
        lines << (m_dailyStanding->isTodayIn ? QCoreApplication::translate("DailyLine", "today's result is in")
                                             : QCoreApplication::translate("DailyLine", "today's board to play"))
              << (streak == 0 ? QCoreApplication::translate("DailyLine", "no streak")
                  : streak == 1 ? QCoreApplication::translate("DailyLine", "streak 1 day")
                                : QCoreApplication::translate("DailyLine", "streak %n days", nullptr, streak));
    }
    return (lines << QCoreApplication::translate("DailyLine", "next in %1").arg(durationText(minutes))).join(u'\n');
}

int Game::msUntilDailyLineChanges() const
{
    constexpr int kMinuteMs = 60000;
    return kMinuteMs - m_clock().toUTC().time().msecsSinceStartOfDay() % kMinuteMs;
}

void Game::askDailyStanding(RoundArchive* archive, std::function<void()> answered)
{
    m_dailyAsked = dailyKey();
    m_dailyStanding.reset();
    auto keep = [this, asked = m_dailyAsked, answered = std::move(answered)](const DailyStanding& standing) {
        if (asked != m_dailyAsked)
            return; // a later ask's answer is the one to keep
        m_dailyStanding = standing;
        answered();
    };
    if (archive)
        archive->askDailyStanding(m_dailyAsked.player, m_dailyAsked.day, std::move(keep));
    else
        keep(DailyStanding {});
}

std::optional<Game::Submission> Game::submitBoard()
{
    //: a menu action
    if (!hasBoardFor(QT_TRANSLATE_NOOP("Game", "Submit")))
        return std::nullopt;
    // Without a dictionary every slot would be "not a word": a loss the player never played.
    if (!canJudgeWords()) {
        printMessage(tr("This round is not submitted: no word can be judged without the English dictionary.\n"));
        return std::nullopt;
    }
    if (m_keeper && !m_keeper->boardSubmitted()) {
        m_steps.dealNew();
        return std::nullopt;
    }
    checkBoard(gameModel());
    m_steps.showCheck();
    if (m_keeper)
        m_keeper->boardChanged();
    Submission submission {gameModel().playerScore(), gameModel().computerScore(), QString(), QString()};
    // The lexicon is read here, at the first submission, never at launch.
    std::optional<int> bestPossible;
    if (const std::optional<BoardState>& board = gameModel().board()) {
        BoardBest best = bestOfBoard(*board, Lexicon::shared(), kReviewedWordsPerSlot);
        addCommonBest(best, *board, commonWords());
        // No best is better than a false one, which would be stored with the round.
        bestPossible = best.isKnown ? std::optional(best.total) : std::nullopt;
        submission.outcome = roundOutcome(gameModel().playerScore(), gameModel().computerScore(), bestPossible);
        if (bestPossible && best.commonTotal)
            submission.outcome += u' ' + tr("With common words %1.", "the best possible score with common words only").arg(*best.commonTotal);
        if (board->hints > 0)
            submission.outcome += u' ' + hintsTaken(board->hints);
        submission.outcome += u' ' + tr("Ctrl+E: review.");
        m_lastReview = roundReview(*board, best);
        submission.computersWords = computerWordsSentence(*board);
    }
    foldRoundIntoStats(gameModel().computerScore());
    m_steps.showStats();
    m_lastSubmitted = recordInHistory(bestPossible);
    if (m_lastSubmitted)
        keepResultToShare(*m_lastSubmitted);
    displayComputerWords();
    m_steps.dealNew();
    return submission;
}

// The history is extra: whatever befalls it, the statistics are saved already and play goes on.
// A daily board's first submission by the player is the day's result; the history says which.
Hint Game::hint(std::optional<BoardCell> focus)
{
    //: a menu action
    if (!hasBoardFor(QT_TRANSLATE_NOOP("Game", "Hint")))
        return {};
    const Hint given = hintFor(*gameModel().board(), focus, commonWords());
    if (given.cell)
        gameModel().countHint();
    myPrintf("%s\n", qUtf8Printable(given.said));
    return given;
}

Game::Copied Game::boardCodeToCopy() const
{
    const std::optional<DealOrigin>& origin = gameModel().origin();
    if (!origin)
        return {QString(), tr("This board came back from the kept one, which keeps no code; a dealt board has one.\n"), QString()};
    const QString code = boardCode(origin->seed, wordListTag());
    // Spelt out, so a listener hears each character of the code rather than a guess at a word.
    return {code, tr("Board code %1 copied.\n").arg(code), tr("Board code copied: %1.").arg(code.split(QString(), Qt::SkipEmptyParts).join(u' '))};
}

Game::Copied Game::resultToCopy() const
{
    if (!m_lastResult.isEmpty())
        return {m_lastResult, tr("Result copied:\n%1").arg(m_lastResult), tr("Result copied.")};
    //: a menu action
    if (!hasBoardFor(QT_TRANSLATE_NOOP("Game", "Copy Result")))
        return {};
    return {QString(), tr("There is no result to copy yet: Copy Result shares the last round you submitted.\n"), QString()};
}

std::optional<RoundRecord> Game::recordInHistory(std::optional<int> bestPossible)
{
    const std::optional<BoardState> shown = readShownBoard();
    if (!shown)
        return std::nullopt;
    const QString player = QString::fromUtf8(gUserName);
    RoundRecord round = roundRecordOf(player, m_clock(), gameModel());
    round.bestPossible = bestPossible;
    round.dailyNumber = dailyResultNumber();
    if (RoundArchive* book = archive())
        book->recordRound(round);
    return round;
}

// Without a history nothing says the day was played already, so the round counts.
int Game::dailyResultNumber() const
{
    const std::optional<DealOrigin>& origin = gameModel().origin();
    if (!origin || origin->dailyNumber == 0)
        return 0;
    RoundArchive* book = archive();
    return book && book->hasDailyResult(QString::fromUtf8(gUserName), origin->dailyNumber) ? 0 : origin->dailyNumber;
}

void Game::keepResultToShare(const RoundRecord& round)
{
    const std::optional<DealOrigin>& origin = gameModel().origin();
    RoundOutcome outcome;
    outcome.boardName = boardNameOf(origin, wordListTag());
    outcome.practice = origin && origin->dailyNumber != 0 && round.dailyNumber == 0;
    outcome.playerScore = round.roundScore;
    outcome.computerScore = round.computerScore;
    outcome.bestPossible = round.bestPossible;
    outcome.hints = round.hints;
    for (int i = 0; i < kRoundSlots; ++i)
        outcome.isWord[static_cast<size_t>(i)] = round.wordSlots[static_cast<size_t>(i)].isWord;
    m_lastResult = shareableResult(outcome);
    if (outcome.practice)
        printMessage(tr("You have a result for Daily #%1 already; this round was practice.\n").arg(origin->dailyNumber));
}
