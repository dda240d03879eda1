// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/board_check.h"

#include "core/board/word_score.h"
#include "core/dictionary/dictionary_check.h"
#include "core/platform/log_console.h"
#include "core/player/user_stats.h"
#include "core/round/game_model.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>

PuzzleStats gPuzzleStats;

namespace {

// What a word's cells spell: each cell's first character, kept whole so that a letter beyond
// the Basic Multilingual Plane reaches the console as typed, up to the first empty cell.
// `isJudged` tells whether all six cells each hold an ASCII character; only then does the
// dictionary judge the word, on its whole text, hyphen or apostrophe included ("E-MAIL",
// "DIDN'T"). Scores and the best word count bytes, so a character beyond ASCII never makes a
// word; nor does white space at either end, which the dictionary would pass over and so judge
// less than the word (" HOUSE").
struct WordText {
    QString shown;
    bool isJudged = true;
};

WordText wordText(const GameModel& model, const Placement& place)
{
    WordText text;
    for (int k = 0; k < kWordLength; ++k) {
        const QString cell = model.letterAt(place.cell(k));
        if (cell.isEmpty()) {
            text.isJudged = false;
            break;
        }
        const qsizetype units = cell[0].isHighSurrogate() && cell.size() > 1 ? 2 : 1;
        text.shown += cell.left(units);
        if (cell[0].unicode() > 0x7f)
            text.isJudged = false;
    }
    if (text.shown.trimmed().size() != text.shown.size())
        text.isJudged = false;
    return text;
}

// Judges one word, says so and counts it: its points, or none when it is no word.
std::optional<int32_t> judgeWord(const WordText& text)
{
    if (!text.isJudged || !isWord(text.shown)) {
        printMessage(QCoreApplication::translate("Check", "'%1' is not a word.\n").arg(text.shown));
        return std::nullopt;
    }
    const QByteArray letters = text.shown.toLatin1();
    printMessage(QCoreApplication::translate("Check", "'%1' is a word.\n").arg(text.shown));
    const int32_t score = scoreWord(letters.constData());
    if (score > gCurrStats.bestWordScore) {
        printMessage(QStringLiteral("   ") + QCoreApplication::translate("Check", "New best word!\n"));
        sayAloud(QCoreApplication::translate("Check", "New best word: %1!").arg(text.shown.toLower()));
        gCurrStats.bestWordScore = score;
        std::strncpy(gCurrStats.bestWord, letters.constData(), sizeof gCurrStats.bestWord - 1);
        gCurrStats.bestWord[sizeof gCurrStats.bestWord - 1] = 0;
    }
    if (gPuzzleStats.wordsMade < static_cast<int32_t>(std::size(gPuzzleStats.wordScores)))
        gPuzzleStats.wordScores[gPuzzleStats.wordsMade] = score;
    gPuzzleStats.roundScore += score;
    gPuzzleStats.wordsMade += 1;
    return score;
}

} // namespace

int CheckedBoard::wordsMade() const
{
    return static_cast<int>(std::count(isWord.begin(), isWord.end(), true));
}

CheckedBoard checkBoard(GameModel& model)
{
    gPuzzleStats = {};
    CheckedBoard checked;
    if (!model.board())
        return checked;
    const ChainPlacements places = placementsOf(*model.board());
    for (const int word : checkingOrder(places)) {
        const std::optional<int32_t> points = judgeWord(wordText(model, places[word]));
        checked.isWord[word] = points.has_value();
        checked.points[word] = points.value_or(0);
    }
    model.applyCheck(checked.isWord, checked.points, gPuzzleStats.roundScore);
    checked.board = *model.board();
    recordRoundScore(gPuzzleStats.roundScore);
    return checked;
}

void recordRoundScore(int32_t roundTotal)
{
    if (roundTotal > gCurrStats.bestRoundScore) {
        printMessage(QCoreApplication::translate("Check", "New best round score!\n"));
        sayAloud(QCoreApplication::translate("Check", "New best round score: %1!").arg(roundTotal));
        gCurrStats.bestRoundScore = roundTotal;
    }
}
