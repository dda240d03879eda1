// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/board_state.h"

#include "core/board/word_score.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

// Word names joined for listening: "1 across and 2 down".
QString joinedNames(const QStringList& names)
{
    QString joined = names.value(0);
    for (qsizetype i = 1; i < names.size(); ++i)
        joined = QCoreApplication::translate("Board", "%1 and %2", "two word names, such as 1 across and 2 down").arg(joined, names[i]);
    return joined;
}

} // namespace

ChainPlacements placementsOf(const BoardState& board)
{
    ChainPlacements places;
    for (int i = 0; i < kWordCount; ++i)
        places[i] = board.words[i].place;
    return places;
}

std::vector<BoardCell> crossingCells(const BoardState& board)
{
    const std::optional<ChainCrossings> chain = chainOf(placementsOf(board));
    if (!chain)
        return {};
    const auto cells = crossingCells(*chain);
    return {cells.begin(), cells.end()};
}

QString wordName(const ChainPlacements& words, int word)
{
    //: a word of the board by its number, such as "1 across"
    return (words[word].direction == Direction::Across ? QCoreApplication::translate("Board", "%1 across")
                                                       : QCoreApplication::translate("Board", "%1 down"))
        .arg(wordNumber(word));
}

std::vector<StartNumbers> wordStartNumbers(const ChainPlacements& words)
{
    std::vector<StartNumbers> starts;
    for (int i = 0; i < kWordCount; ++i) {
        const auto shared = std::find_if(starts.begin(), starts.end(), [&](const StartNumbers& s) { return s.cell == words[i].start; });
        if (shared == starts.end())
            starts.push_back({words[i].start, QString::number(wordNumber(i))});
        else
            shared->numbers += u'/' + QString::number(wordNumber(i));
    }
    return starts;
}

CellSpeech cellSpeech(const ChainPlacements& words, BoardCell cell, bool isGiven, bool isBlank)
{
    // Typing and Tab never stop on a given letter, so a word whose first letter is given is
    // told where a player enters it: its first cell to fill.
    const auto isCrossing = [&words](BoardCell at) {
        return std::count_if(words.begin(), words.end(), [at](const Placement& word) { return word.covers(at); }) > 1;
    };
    QStringList starting, entered, through;
    for (int i = 0; i < kWordCount; ++i) {
        if (words[i].start == cell)
            starting << wordName(words, i);
        else if (words[i].indexOf(cell) == 1 && isCrossing(words[i].start))
            entered << wordName(words, i);
        if (words[i].covers(cell))
            through << wordName(words, i);
    }
    QStringList name;
    if (isGiven || isBlank)
        name << (isGiven ? QCoreApplication::translate("Board", "given", "a cell whose letter is given")
                         : QCoreApplication::translate("Board", "blank", "a cell with no letter yet"));
    if (!starting.isEmpty())
        name << QCoreApplication::translate("Board", "%1, %2 letters").arg(joinedNames(starting)).arg(kWordLength);
    if (!entered.isEmpty())
        name << QCoreApplication::translate("Board", "%1, %2 letters, the first given").arg(joinedNames(entered)).arg(kWordLength);
    if (name.isEmpty())
        name << QCoreApplication::translate("Board", "letter", "a cell holding a letter the player typed");
    QString description = QCoreApplication::translate("Board", "Row %1, column %2").arg(cell.y + 1).arg(cell.x + 1);
    // Both words where two cross; a cell of one word is told by its name and place alone, which
    // a reader says at every move.
    if (through.size() > 1)
        description = QCoreApplication::translate("Board", "%1, in %2", "a cell's row and column, then the words through it")
                          .arg(description, joinedNames(through));
    return {name.join(QStringLiteral(", ")), description};
}

QString boardSummary(const BoardState& board)
{
    const ChainPlacements words = placementsOf(board);
    const auto where = [](BoardCell cell) { return QCoreApplication::translate("Board", "row %1, column %2").arg(cell.y + 1).arg(cell.x + 1); };
    QStringList starts;
    for (int i = 0; i < kWordCount; ++i)
        starts << QCoreApplication::translate("Board", "%1 from %2", "a word, then the cell it starts at").arg(wordName(words, i), where(words[i].start));
    QStringList given;
    const std::vector<BoardCell> crossings = crossingCells(board);
    for (int i = 0; i < static_cast<int>(crossings.size()); ++i)
        given << QCoreApplication::translate("Board", "%1 at %2", "a given letter, then its cell").arg(board.words[i].letters.at(words[i].indexOf(crossings[i])).toUpper(), where(crossings[i]));
    return QCoreApplication::translate("Board", "%1 words of %2 letters: %3. Given letters: %4.")
        .arg(kWordCount)
        .arg(kWordLength)
        .arg(starts.join(QStringLiteral("; ")), given.join(QStringLiteral("; ")));
}

QString pointsCaption(int word, int points)
{
    return QStringLiteral("%1: %2").arg(wordNumber(word)).arg(points > 0 ? QStringLiteral("+%1").arg(points) : QStringLiteral("0"));
}

int computerScoreOf(const BoardState& board)
{
    int score = 0;
    for (const PlacedWord& word : board.words)
        score += scoreWord(word.letters.toLatin1().constData());
    return score;
}
