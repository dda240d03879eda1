// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/board_best.h"

#include "core/board/word_score.h"
#include "core/round/hint.h"

#include <QStringList>

#include <algorithm>

std::string slotPattern(const BoardState& board, int word)
{
    std::string pattern(kWordLength, kAnyLetter);
    if (word < 0 || word >= kWordCount)
        return pattern;
    const PlacedWord& placed = board.words[word];
    const QByteArray letters = placed.letters.toLower().toLatin1();
    for (const BoardCell cell : crossingCells(board)) {
        const int index = placed.place.indexOf(cell);
        if (index >= 0 && index < letters.size())
            pattern[index] = letters[index];
    }
    return pattern;
}

QString roundOutcome(int yourScore, int computerScore, std::optional<int> bestPossible)
{
    const int margin = yourScore - computerScore;
    const QString verdict = margin > 0 ? QStringLiteral("you won by %1").arg(margin)
        : margin < 0                   ? QStringLiteral("you lost by %1").arg(-margin)
                                       : QStringLiteral("a draw");
    return QStringLiteral("Last round: you %1, computer %2 \u2013 %3.").arg(yourScore).arg(computerScore).arg(verdict)
        + (bestPossible ? QStringLiteral("\nThe board allowed %1.").arg(*bestPossible) : QStringLiteral("\nThe best possible is unknown."));
}

QString roundReview(const BoardState& board, const BoardBest& best)
{
    const std::vector<BoardCell> crossings = crossingCells(board);
    QString review;
    int yourScore = 0;
    for (int w = 0; w < kWordCount; ++w) {
        const PlacedWord& word = board.words[w];
        QString letters;
        bool isWord = false;
        for (int k = 0; k < kWordLength; ++k) {
            const BoardCell cell = word.place.cell(k);
            const auto typed = std::find_if(board.typed.begin(), board.typed.end(),
                                            [&](const TypedCell& t) { return t.x == cell.x && t.y == cell.y && !t.letter.isEmpty(); });
            if (typed != board.typed.end())
                isWord = isWord || typed->verdict == Verdict::Word;
            const bool fixed = std::find(crossings.begin(), crossings.end(), cell) != crossings.end();
            letters += typed != board.typed.end() ? typed->letter.toUpper()
                : fixed                           ? word.letters.mid(k, 1).toUpper()
                                                  : QStringLiteral("\u00b7");
        }
        const int points = isWord ? scoreWord(letters.toLatin1().constData()) : 0;
        yourScore += points;
        const QString why = isWord ? QStringLiteral("a word") : letters.contains(u'\u00b7') ? QStringLiteral("not all six cells filled")
                                                                                        : QStringLiteral("not a word");
        review += QStringLiteral("Word %1 (%2): %3 \u2013 %4, %5 points.")
                      .arg(wordNumber(w)).arg(word.place.direction == Direction::Across ? "across" : "down", letters, why).arg(points);
        QStringList fitted;
        for (size_t i = 0; i < best.fitting[w].size(); ++i) {
            const ScoredWord& fit = best.fitting[w][i];
            const bool isRare = i < best.isRare[w].size() && best.isRare[w][i];
            fitted << QStringLiteral("%1 %2%3").arg(QString::fromStdString(fit.text).toUpper()).arg(fit.score).arg(isRare ? QStringLiteral(" (rare)") : QString());
        }
        // The best is taken off before the rest are joined: as two arguments of one call
        // their order would be the compiler's, and the best could be listed twice.
        if (!fitted.isEmpty()) {
            const QString first = fitted.takeFirst();
            review += fitted.isEmpty() ? QStringLiteral(" Best that fitted: %1.").arg(first)
                                       : QStringLiteral(" Best that fitted: %1; also %2.").arg(first, fitted.join(QStringLiteral(", ")));
        }
        review += QStringLiteral(" The computer's word: %1.\n").arg(word.letters.toUpper());
    }
    QString allowed = best.isKnown ? QStringLiteral("the board allowed %1").arg(best.total) : QStringLiteral("the best possible is unknown");
    if (best.isKnown && best.commonTotal)
        allowed += QStringLiteral(", with common words %1").arg(*best.commonTotal);
    review += QStringLiteral("You %1, computer %2; %3.").arg(yourScore).arg(board.computerScore).arg(allowed);
    return board.hints > 0 ? review + QStringLiteral(" %1 taken.").arg(hintCount(board.hints)) : review;
}

BoardBest bestOfBoard(const BoardState& board, const Lexicon& lexicon, size_t perSlot)
{
    BoardBest best;
    for (int word = 0; word < kWordCount; ++word) {
        best.patterns[word] = slotPattern(board, word);
        best.fitting[word] = lexicon.bestFitting(best.patterns[word], std::max<size_t>(perSlot, 1));
        if (!best.fitting[word].empty())
            best.total += best.fitting[word].front().score;
    }
    best.isKnown = lexicon.wordCount() > 0 && best.total >= computerScoreOf(board);
    return best;
}

void addCommonBest(BoardBest& best, const BoardState& board, const Lexicon& common)
{
    if (common.wordCount() == 0)
        return;
    int total = 0;
    bool fitsEverySlot = true;
    for (int word = 0; word < kWordCount; ++word) {
        const std::vector<ScoredWord> fitting = common.bestFitting(best.patterns[word], 1);
        fitsEverySlot = fitsEverySlot && !fitting.empty();
        total += fitting.empty() ? 0 : fitting.front().score;
        best.isRare[word].clear();
        for (const ScoredWord& fit : best.fitting[word])
            best.isRare[word].push_back(!common.hasWord(fit.text));
    }
    // A list other than the one the board was dealt from may miss a slot or fall short.
    if (fitsEverySlot && total >= computerScoreOf(board) && (!best.isKnown || total <= best.total))
        best.commonTotal = total;
}
