// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game/game.h"

#include "core/board/word_list.h"
#include "core/dictionary/dictionary.h"
#include "core/game/board_keeper.h"
#include "core/game/dealing.h"
#include "core/game/stored_round.h"
#include "core/platform/log_console.h"
#include "core/player/user_stats.h"
#include "core/round/board_best.h"
#include "core/round/board_check.h"
#include "core/round/round_history.h"
#include "core/round/round_submission.h"
#include "core/round/lexicon.h"
#include "core/round/shared_result.h"

#include <QStringList>

bool hasBoardFor(const char* action)
{
    if (gameModel().board())
        return true;
    myPrintf("%s needs a board, and the word list cannot make one.\n", action);
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
        myPrintf("Daily #%d: you have played it today already, so this round is practice.\n", number);
    else
        myPrintf("Daily #%d: your first submission of it is today's result.\n", number);
}

std::optional<Game::Submission> Game::submitBoard()
{
    if (!hasBoardFor("Submit"))
        return std::nullopt;
    // Without a dictionary every slot would be "not a word": a loss the player never played.
    if (!canJudgeWords()) {
        myPrintf("This round is not submitted: no word can be judged without the English dictionary.\n");
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
        const BoardBest best = bestOfBoard(*board, Lexicon::shared(), kReviewedWordsPerSlot);
        // No best is better than a false one, which would be stored with the round.
        bestPossible = best.isKnown ? std::optional(best.total) : std::nullopt;
        submission.outcome = roundOutcome(gameModel().playerScore(), gameModel().computerScore(), bestPossible) + QStringLiteral(" Ctrl+E: review.");
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
Game::Copied Game::boardCodeToCopy() const
{
    const std::optional<DealOrigin>& origin = gameModel().origin();
    if (!origin)
        return {QString(), QStringLiteral("This board came back from the kept one, which keeps no code; a dealt board has one.\n"), QString()};
    const QString code = boardCode(origin->seed, wordListTag());
    // Spelt out, so a listener hears each character of the code rather than a guess at a word.
    return {code, QStringLiteral("Board code %1 copied.\n").arg(code), QStringLiteral("Board code copied: %1.").arg(code.split(QString(), Qt::SkipEmptyParts).join(u' '))};
}

Game::Copied Game::resultToCopy() const
{
    if (!m_lastResult.isEmpty())
        return {m_lastResult, QStringLiteral("Result copied:\n") + m_lastResult, QStringLiteral("Result copied.")};
    if (!hasBoardFor("Copy Result"))
        return {};
    return {QString(), QStringLiteral("There is no result to copy yet: Copy Result shares the last round you submitted.\n"), QString()};
}

std::optional<RoundRecord> Game::recordInHistory(std::optional<int> bestPossible)
{
    const std::optional<BoardState> shown = readShownBoard();
    if (!shown)
        return std::nullopt;
    const QString player = QString::fromUtf8(gUserName);
    RoundRecord round = roundRecordOf(player, m_clock(), gameModel());
    round.bestPossible = bestPossible;
    RoundArchive* book = archive();
    const std::optional<DealOrigin>& origin = gameModel().origin();
    // Without a history nothing says the day was played already, so the round counts.
    if (origin && origin->dailyNumber != 0 && !(book && book->hasDailyResult(player, origin->dailyNumber)))
        round.dailyNumber = origin->dailyNumber;
    if (book)
        book->recordRound(round);
    return round;
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
    for (int i = 0; i < kRoundSlots; ++i)
        outcome.isWord[static_cast<size_t>(i)] = round.wordSlots[static_cast<size_t>(i)].isWord;
    m_lastResult = shareableResult(outcome);
    if (outcome.practice)
        myPrintf("You have a result for Daily #%d already; this round was practice.\n", origin->dailyNumber);
}
