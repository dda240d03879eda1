// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game/board_keeper.h"
#include "core/game/dealing.h"
#include "core/game/game.h"
#include "core/game/player_name.h"
#include "core/game/stored_round.h"
#include "core/round/round_history.h"
#include "core/board/word_score.h"
#include "core/player/stats_persistence.h"
#include "core/player/user_defaults_store.h"
#include "support/core_resets.h"
#include "support/printed.h"

#include <QSignalSpy>

#include <algorithm>
#include <set>

namespace {

using GameTest = RoundTest;

// Stands in for the history: what it was given, and the daily boards it says were played.
struct FakeArchive : RoundArchive {
    void recordRound(const RoundRecord& round) override { rounds.push_back(round); }
    bool hasDailyResult(const QString&, int number) override { return played.count(number) != 0; }
    void askDailyStanding(const QString& player, int day, std::function<void(const DailyStanding&)> done) override { asked = player + '#' + QString::number(day), answer = done; }
    std::vector<RoundRecord> rounds;
    std::set<int> played;
    QString asked;
    std::function<void(const DailyStanding&)> answer; // the history's answer, when the test gives it
};

// The daily line from the clock and the history's latest answer, which holds for its player and day only;
// the time to the next board is rounded up to whole minutes, and the line turns at the next whole minute.
TEST_F(GameTest, TheDailyLineTellsTheDayTheStandingAndTheTimeToTheNextBoard)
{
    QDateTime now;
    Game game;
    game.setClock([&now] { return now; });
    std::strcpy(gUserName, "ada");
    const struct { QDateTime at; std::optional<DailyStanding> answer; const char* line; int msToChange; } rows[] = {
        {{{2026, 12, 7}, {18, 48}, Qt::UTC}, DailyStanding {true, 4}, "Daily #341\ntoday's result is in\nstreak 4 days\nnext in 5 h 12 min", 60000},
        {{{2026, 12, 7}, {23, 59, 30}, Qt::UTC}, DailyStanding {false, 1}, "Daily #341\ntoday's board to play\nstreak 1 day\nnext in 1 min", 30000},
        {{{2026, 12, 7}, {12, 0, 0, 1}, Qt::UTC}, std::nullopt, "Daily #341\nnext in 12 h", 59999}, // no answer yet
        {{{2025, 12, 30}, {0, 0}, Qt::UTC}, DailyStanding {}, "No daily board yet\nDaily #1 in 2 days", 60000},
    };
    FakeArchive archive;
    for (const auto& row : rows) {
        now = row.at, game.askDailyStanding(&archive, [] {}), row.answer ? archive.answer(*row.answer) : void();
        EXPECT_EQ(game.dailyLine(), row.line);
        EXPECT_EQ(game.msUntilDailyLineChanges(), row.msToChange);
    }
    now = QDateTime({2026, 12, 7}, {23, 59, 50}, Qt::UTC), game.askDailyStanding(&archive, [] {});
    const auto answerAda = std::exchange(archive.answer, {});
    now = now.addSecs(20), std::strcpy(gUserName, "bo"); // past midnight, another player
    game.askDailyStanding(&archive, [] {}), answerAda({true, 9}); // the earlier ask's answer comes too late
    EXPECT_EQ(archive.asked, "bo#342");
    EXPECT_EQ(game.dailyLine(), "Daily #342\nnext in 24 h");
    game.askDailyStanding(nullptr, [] {}); // no history kept: nothing played
    EXPECT_EQ(game.dailyLine(), "Daily #342\ntoday's board to play\nno streak\nnext in 24 h");
}

TEST_F(GameTest, TheDailyBoardIsNumberedFromItsFirstDayAndNoneComesBefore)
{
    const std::string none = "There is no daily board before Daily #1, the board of 1 January 2026 (UTC).\n";
    const struct { QDate today; int number; std::string said; } rows[] = {
        {{2025, 6, 1}, 0, none}, {{2025, 12, 31}, 0, none}, {{2026, 1, 1}, 1, ""}, {{2026, 3, 1}, 60, ""}};
    for (const auto& row : rows) {
        Game game;
        game.setClock([&row] { return QDateTime(row.today, QTime(23, 59), Qt::UTC); });
        std::optional<DealOrigin> daily;
        EXPECT_EQ(printedBy([&] { daily = game.todaysDailyBoard(); }), row.said) << row.number;
        EXPECT_EQ(daily ? daily->dailyNumber : 0, row.number);
        EXPECT_EQ(windowTitleOf(daily), row.number ? QString("Sixfold — Daily #%1").arg(row.number) : QString("Sixfold"));
        EXPECT_EQ(daily ? daily->seed : 0, row.number ? dailySeed(row.number) : 0) << "the same everywhere for the same day";
    }
}

// A code read back deals the board it was copied from and names it; a mistyped one deals nothing and says why.
TEST_F(GameTest, ABoardCodeDealsTheBoardItNamesOrSaysWhyNot)
{
    const WordListTag list {0x1234567890abcdefULL, false};
    const QString code = boardCode(987654321, list);
    const DealChoice read = dealFromCode(code.toLower(), list);
    EXPECT_EQ(read.origin.value_or(DealOrigin {}).seed, 987654321u) << "not the board the code was copied from";
    EXPECT_EQ(boardNameOf(read.origin, list), code);
    EXPECT_EQ(boardNameOf(std::nullopt, list), "") << "a board resumed keeps no code";
    QString typo = code;
    typo[0] = typo[0] == u'2' ? u'3' : u'2';
    const DealChoice wrong = dealFromCode(typo, list);
    EXPECT_FALSE(wrong.origin) << "a mistyped code dealt a board";
    EXPECT_EQ(wrong.refusal, codeFaultSentence(CodeFault::Typo));
}

// A daily board's first submission by the player is the day's result; once the history holds one
// the next is practice; without a history nothing says the day was played, so it counts. Every
// submission runs its steps in one order and records the round at the clock's time.
TEST_F(GameTest, ASubmissionRunsItsStepsInOrderAndADailyBoardCountsOnce)
{
    const QDateTime now(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
    const struct { int daily; bool hasHistory, played; int recorded; const char* heading; std::string standing; } rows[] = {
        {60, true, false, 60, "Sixfold Daily #60\n", "Daily #60: your first submission of it is today's result.\n"},
        {60, true, true, 0, "Sixfold Daily #60 (practice)\n", "Daily #60: you have played it today already, so this round is practice.\n"},
        {60, false, false, 60, "Sixfold Daily #60\n", "Daily #60: your first submission of it is today's result.\n"},
        {0, true, true, 0, "Sixfold ", ""},
    };
    std::strcpy(gUserName, "ada");
    for (const auto& row : rows) {
        gameModel().clear();
        FakeArchive archive;
        archive.played = {row.played ? row.daily : 0};
        std::string steps;
        Game game;
        game.setClock([&now] { return now; });
        game.setArchive([&]() -> RoundArchive* { return row.hasHistory ? &archive : nullptr; });
        game.setSteps({[&] { steps += "check "; }, [&] { steps += "stats "; }, [&] { steps += "deal"; }});
        EXPECT_EQ(printedBy([&] { EXPECT_FALSE(game.submitBoard()); }), "Submit needs a board, and the word list cannot make one.\n");
        dealWorkedExample(), gameModel().setOrigin(DealOrigin {dailySeed(60), row.daily});
        for (int k = 0; k < kWordLength; ++k) // GARDEN typed in whole: the check scores it
            gameModel().setLetter(gameModel().board()->words[0].place.cell(k), QString(QChar(u"GARDEN"[k])));
        EXPECT_EQ(row.daily ? printedBy([&] { game.sayDailyStanding(row.daily); }) : "", row.standing);
        const std::optional<Game::Question> asked = game.questionBeforeSubmit(true), unasked = game.questionBeforeSubmit(false);
        EXPECT_TRUE(asked && asked->unfinished == 4 && asked->dailyNumber == row.recorded && unasked.has_value() == (row.recorded != 0)); // the day's result asks always
        std::optional<Game::Submission> submitted;
        const UserStats before = gCurrStats;
        const std::string said = printedBy([&] { submitted = game.submitBoard(); });
        ASSERT_TRUE(submitted);
        EXPECT_EQ(steps, "check stats deal");
        EXPECT_EQ(gCurrStats.computerTotalScores - before.computerTotalScores, 47) << "the computer's score not folded into the record";
        EXPECT_EQ(gCurrStats.totalScores - before.totalScores, 8) << "the player's score not folded into the record";
        EXPECT_EQ(gCurrStats.totalWordsMade - before.totalWordsMade, 1) << "the words made not folded into the record";
        EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted - before.totalPuzzlesSubmitted, 1) << "the round not counted";
        EXPECT_NE(said.find("Computer Words for Previous Puzzle"), std::string::npos) << said;
        EXPECT_EQ(said.find("this round was practice") != std::string::npos, row.played && row.daily) << said;
        EXPECT_EQ(submitted->yours, scoreWord("GARDEN")) << "the check's score";
        EXPECT_EQ(submitted->computers, 47);
        EXPECT_TRUE(submitted->outcome.endsWith(" Ctrl+E: review.")) << submitted->outcome.toStdString();
        const RoundRecord& round = game.lastSubmitted().value();
        EXPECT_EQ(round.player, "ada");
        EXPECT_EQ(round.playedAt, now) << "not recorded at the clock's time";
        EXPECT_EQ(round.dailyNumber, row.recorded) << "the daily board recorded for the day's result";
        EXPECT_TRUE(round.bestPossible) << "recorded without its best possible";
        EXPECT_EQ(archive.rounds.size(), row.hasHistory ? 1U : 0U);
        EXPECT_TRUE(game.lastResult().startsWith(row.heading)) << game.lastResult().toStdString();
        EXPECT_TRUE(game.resultToCopy().said.startsWith("Result copied:\n" + game.lastResult()));
    }
}

// A name is taken as typed; one that does not fit, and "LastUser", are refused whole. The
// player left keeps a best word a check raised, saved before the name changes.
TEST_F(GameTest, ANameTheStoreCannotKeepIsRefusedAndTheLeftPlayerKeepsItsBests)
{
    std::strcpy(gUserName, "first");
    printedBy([] { loadPrefs(); });
    const QString first = QString::fromUtf8(gUserName);
    std::strcpy(gCurrStats.bestWord, "GARDEN"), gCurrStats.bestWordScore = 8;
    const QString longest(31, u'n'), tooLong(16, QChar(0x00E9)); // 31 and 32 bytes
    const struct { QString typed; NameOutcome outcome; QString sentence, player; } rows[] = {
        {"", NameOutcome::Ignored, "", first},
        {"ada", NameOutcome::Changed, "User changed to 'ada'", "ada"},
        {tooLong, NameOutcome::Refused, "'" + tooLong + "' is too long for a player's name (at most 31 bytes); the player stays 'ada'.", "ada"},
        {"LastUser", NameOutcome::Refused, "'LastUser' cannot be a player's name; the player stays 'ada'.", "ada"},
        {longest, NameOutcome::Changed, "User changed to '" + longest + "'", longest},
    };
    for (const auto& row : rows) {
        NameChange change;
        printedBy([&] { change = changePlayer(row.typed); });
        EXPECT_EQ(change.outcome, row.outcome) << row.typed.toStdString();
        EXPECT_EQ(change.sentence, row.sentence);
        EXPECT_EQ(QString::fromUtf8(gUserName), row.player) << "the player after '" << row.typed.toStdString() << "'";
    }
    const std::optional<StoreValue> kept = UserDefaultsStore(UserDefaultsStore::standardFilePath()).objectForKey(first);
    ASSERT_TRUE(kept && std::holds_alternative<StoreDictionary>(*kept));
    EXPECT_EQ(std::get<StoreDictionary>(*kept).at("bestWord"), StoreScalar(QString("GARDEN")));
}

// What the history keeps of a round makes the board again as it was: its words, the letters
// the player typed with their verdicts, and both scores; words that do not chain make none.
TEST_F(GameTest, AStoredRoundIsTheBoardItWasMadeFrom)
{
    dealWorkedExample();
    for (const auto& [x, y, letter] : {std::tuple(0, 0, "G"), {2, 0, "R"}, {3, 0, "D"}, {4, 0, "E"}, {5, 0, "N"}, {1, 1, "x"}, {4, 3, "E"}, {3, 8, "s"}})
        gameModel().setLetter({x, y}, letter);
    gameModel().applyCheck({true, false, false, false, true}, {8, 0, 0, 0, 9}, 17);
    const BoardState played = *gameModel().board();
    RoundRecord round = roundRecordOf("ada", {}, gameModel()); // as board_check_test holds it
    round.bestPossible = 60;
    const auto sorted = [](std::vector<TypedCell> cells) {
        std::sort(cells.begin(), cells.end(), [](const TypedCell& a, const TypedCell& b) { return std::pair(a.x, a.y) < std::pair(b.x, b.y); });
        return cells;
    };
    const BoardState again = boardOf(round).value();
    EXPECT_EQ(again.words, played.words);
    EXPECT_EQ(sorted(again.typed), sorted(played.typed));
    EXPECT_EQ(again.playerScore, 17);
    EXPECT_EQ(again.computerScore, 47);
    const RoundReview review = reviewOf(round);
    EXPECT_TRUE(review.text.contains("the board allowed 60") && !review.bestWords[0].isEmpty()) << review.text.toStdString();
    round.bestPossible = 46; // below the computer's own score: a damaged lexicon's figure
    EXPECT_TRUE(reviewOf(round).text.contains("the best possible is unknown"));
    round.wordSlots[2].y += 1;
    EXPECT_FALSE(boardOf(round)) << "a board made of words that do not chain";
    EXPECT_FALSE(bestPossibleOf(round)) << "a best possible of words that do not chain";
    EXPECT_EQ(reviewOf(round).text, "") << "a review of words that do not chain";
}

// The kept board shows at launch through the window's view, its computer's score what its words are
// worth; a letter typed is written after the delay, never at once; left for a new deal it waits
// and is said to, and Resume swaps the two boards. A first submission is quiet.
TEST_F(GameTest, TheKeeperShowsWritesAfterItsDelayAndSwapsBoards)
{
    const KeptBoardStore store(dataHome() + "/board.json");
    dealWorkedExample(), gameModel().setLetter({0, 0}, "G");
    BoardState first = readShownBoard().value();
    first.id = "first", first.computerScore = 1000, first.playerScore = 12, store.save(first);
    gameModel().clear();
    BoardKeeper keeper(store, 0);
    int watched = 0;
    keeper.setView({[](const BoardState& board) { gameModel().show(board); }, [&watched] { ++watched; }});
    EXPECT_TRUE(keeper.launch(true)) << "the kept board not shown at launch";
    EXPECT_EQ(gameModel().computerScore(), 47) << "the kept computer's score taken over the words' worth";
    EXPECT_EQ(gameModel().playerScore(), 12);
    EXPECT_EQ(watched, 1) << "the view not told to watch the board shown";
    QSignalSpy saved(&keeper, &BoardKeeper::saved);
    gameModel().setLetter({2, 0}, "R"), keeper.boardChanged();
    EXPECT_EQ(saved.count(), 0) << "written before its delay";
    ASSERT_TRUE(saved.wait(5000));
    first.typed = readShownBoard()->typed;
    EXPECT_EQ(store.load().board.value_or(BoardState {}).typed, first.typed);
    keeper.boardLeaving(), gameModel().deal({"orange", "office", "island", "dinner", "silver"}, {0, 0, 5});
    EXPECT_EQ(printedBy([&] { keeper.boardDealt(); }), "A board left unfinished is kept: Ctrl+R (Game > Resume Previous Board) brings it back.\n");
    gameModel().setLetter({1, 0}, "Q");
    keeper.resumeKept();
    EXPECT_EQ(readShownBoard()->typed, first.typed) << "Resume did not bring the kept board back";
    EXPECT_EQ(store.load().board->typed, first.typed) << "the resumed board not kept";
    keeper.resumeKept();
    EXPECT_EQ(readShownBoard()->typed, (std::vector<TypedCell> {{1, 0, "Q", Verdict::Unchecked}}));
    EXPECT_EQ(printedBy([&] { EXPECT_TRUE(keeper.boardSubmitted()); }), "") << "a first submission is scored quietly";
    EXPECT_EQ(store.load().board.value_or(BoardState {}).typed, first.typed) << "the other board not kept at once";
}

} // namespace
