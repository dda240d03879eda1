// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/board_best.h"

#include "core/board/word_score.h"
#include "core/round/hint.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

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
    const QString scores = margin > 0 ? QCoreApplication::translate("Outcome", "Last round: you %1, computer %2 \u2013 you won by %3.")
        : margin < 0                  ? QCoreApplication::translate("Outcome", "Last round: you %1, computer %2 \u2013 you lost by %3.")
                                      : QCoreApplication::translate("Outcome", "Last round: you %1, computer %2 \u2013 a draw.");
    const QString best = bestPossible ? QCoreApplication::translate("Outcome", "The board allowed %1.").arg(*bestPossible)
                                      : QCoreApplication::translate("Outcome", "The best possible is unknown.");
    return (margin == 0 ? scores.arg(yourScore).arg(computerScore) : scores.arg(yourScore).arg(computerScore).arg(std::abs(margin))) + u'\n'
        + best;
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
        const QString why = isWord ? QCoreApplication::translate("Review", "a word")
            : letters.contains(u'\u00b7') ? QCoreApplication::translate("Review", "not all six cells filled")
                                          : QCoreApplication::translate("Review", "not a word");
        const QString direction = word.place.direction == Direction::Across ? QCoreApplication::translate("Review", "across", "a word's direction")
                                                                            : QCoreApplication::translate("Review", "down", "a word's direction");
        //: %1 the word's number, %2 its direction, %3 its letters, %4 whether it is a word
        review += QCoreApplication::translate("Review", "Word %1 (%2): %3 \u2013 %4, %n points.", nullptr, points)
                      .arg(QString::number(wordNumber(w)), direction, letters, why);
        QStringList fitted;
        for (size_t i = 0; i < best.fitting[w].size(); ++i) {
            const ScoredWord& fit = best.fitting[w][i];
            const bool isRare = i < best.isRare[w].size() && best.isRare[w][i];
            const QString text = QString::fromStdString(fit.text).toUpper();
            fitted << (isRare ? QCoreApplication::translate("Review", "%1 %2 (rare)", "a word that fitted, its score, and that it is rare")
                                    .arg(text, QString::number(fit.score))
                              : QStringLiteral("%1 %2").arg(text).arg(fit.score));
        }
        // The best is taken off before the rest are joined: as two arguments of one call
        // their order would be the compiler's, and the best could be listed twice.
        if (!fitted.isEmpty()) {
            const QString first = fitted.takeFirst();
            review += u' '
                + (fitted.isEmpty() ? QCoreApplication::translate("Review", "Best that fitted: %1.").arg(first)
                                    : QCoreApplication::translate("Review", "Best that fitted: %1; also %2.").arg(first, fitted.join(QStringLiteral(", "))));
        }
        review += u' ' + QCoreApplication::translate("Review", "The computer's word: %1.").arg(word.letters.toUpper()) + u'\n';
    }
    if (!best.isKnown)
        review += QCoreApplication::translate("Review", "You %1, computer %2; the best possible is unknown.").arg(yourScore).arg(board.computerScore);
    else if (best.commonTotal)
        review += QCoreApplication::translate("Review", "You %1, computer %2; the board allowed %3, with common words %4.")
                      .arg(yourScore)
                      .arg(board.computerScore)
                      .arg(best.total)
                      .arg(*best.commonTotal);
    else
        review += QCoreApplication::translate("Review", "You %1, computer %2; the board allowed %3.").arg(yourScore).arg(board.computerScore).arg(best.total);
    return board.hints > 0 ? review + u' ' + hintsTaken(board.hints) : review;
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
