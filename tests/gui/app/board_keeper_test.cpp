// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/board_keeper.h"
#include "gui/board_view/board_reading.h"

#include "gui/board_view/board_layout.h"
#include "support/board_fixtures.h"
#include "support/globals.h"
#include "support/printed.h"

#include <QLabel>
#include <QSignalSpy>

using BoardKeeperTest = CellsTest;

// The kept board shows at launch with the player's score and the computer's score its words are
// worth, whatever the file says; left for a new deal it waits, a letter typed reaches the file
// unasked, and Resume swaps the two boards, letters and all. Submitted, a board leaves the file
// to the other; resumed and then submitted by another game, or kept and submitted there, it is said to be kept no longer.
TEST_F(BoardKeeperTest, TheUnfinishedBoardIsShownAgainAsItWasAndSwapped)
{
    const KeptBoardStore store(dataHome() + "/board.json");
    BoardWindow board;
    QLabel computer, player;
    layOutBoard(workedExample(), nullptr), fieldAt(0, 0)->setText("G");
    BoardState first = readShownBoard().value();
    first.typed.insert(first.typed.begin(), {2, 0, "R", Verdict::Word}), first.id = "first", first.computerScore = 1000, first.playerScore = 12, store.save(first);
    BoardKeeper keeper(store, board.window(), &computer, &player);
    EXPECT_EQ((std::pair {keeper.launch(true), computer.text() + u' ' + player.text()}), std::pair(true, QString("47 12")));
    QSignalSpy saved(&keeper, &BoardKeeper::saved); // a torn file is moved aside, and said
    QFile::resize(store.filePath(), 10), fieldAt(0, 0)->setText("E"), first.typed[1].letter = "E";
    EXPECT_EQ(printedBy([&] { EXPECT_TRUE(saved.wait(5000)); }).substr(0, 31), "The kept board was not a board ");
    keeper.boardLeaving(), layOutBoard(puzzleOf({"orange", "office", "island", "dinner", "silver"}, 0, 0, 5), board.window());
    EXPECT_EQ(printedBy([&] { keeper.boardDealt(); }), "A board left unfinished is kept: Ctrl+R (Game > Resume Previous Board) brings it back.\n");
    ASSERT_TRUE((fieldAt(1, 0)->setText("Q"), saved.wait(5000)));
    QFile::remove(store.filePath()), QDir().mkdir(store.filePath()); // a folder where the file belongs: said once
    const std::string refused = printedBy([&] { keeper.saveNow(); }) + printedBy([&] { keeper.saveNow(); });
    QDir().rmdir(store.filePath());
    EXPECT_EQ(refused, "The kept board " + store.filePath().toStdString() + " is not a regular file; it is left as it is and no board is kept.\n");
    EXPECT_EQ((keeper.resumeKept(), std::pair(readShownBoard()->typed, store.load().board->typed)), std::pair(first.typed, first.typed));
    EXPECT_EQ((keeper.resumeKept(), readShownBoard()->typed), (std::vector<TypedCell> {{1, 0, "Q", Verdict::Unchecked}}));
    EXPECT_EQ((std::pair {printedBy([&] { EXPECT_TRUE(keeper.boardSubmitted()); }), store.load().board.value_or(BoardState {}).typed}),
              std::pair(std::string(), first.typed)) << "a first submission is scored quietly, and the other board is kept at once";
    const std::string dropped = printedBy([&] {
        keeper.resumeKept();
        store.submit("first");
        saved.clear();
        fieldAt(0, 0)->setText("G");
        keeper.saveNow();
        keeper.saveNow();
    });
    EXPECT_EQ(dropped, "This board was submitted in another game; it is no longer kept and is not scored again.\n");
    EXPECT_EQ(saved.count(), 1);
    first.id = "later", store.save(first); // read at a launch, then submitted by another game
    const std::string notResumed = printedBy([&] {
        keeper.launch(false);
        store.submit("later");
        keeper.resumeKept();
        keeper.resumeKept();
    });
    EXPECT_EQ(notResumed, "The kept board was submitted in another game, so it is not resumed.\nNo board is kept to resume.\n");
}
