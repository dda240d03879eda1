// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/history_csv.h"

#include "core/history/history_database.h"
#include "core/platform/kept_file.h"

#include <utility>

QByteArray csvField(const QString& text)
{
    // A spreadsheet runs a cell that starts like a formula; the apostrophe makes it text.
    static constexpr QStringView kFormulaStarts = u"=+-@";
    QByteArray field = (!text.isEmpty() && kFormulaStarts.contains(text.front()) ? u'\'' + text : text).toUtf8();
    if (!field.contains(',') && !field.contains('"') && !field.contains('\r') && !field.contains('\n'))
        return field;
    field.replace('"', "\"\"");
    return '"' + field + '"';
}

namespace {

QByteArray resultOf(const RoundRecord& round)
{
    if (round.roundScore > round.computerScore)
        return "won";
    return round.roundScore == round.computerScore ? "drawn" : "lost";
}

} // namespace

QByteArray csvHeader()
{
    QByteArray header = "played_at,player,round_score,computer_score,result,words_made,computer_words";
    for (int slot = 1; slot <= kRoundSlots; ++slot)
        header += ",slot_" + QByteArray::number(slot) + ",slot_" + QByteArray::number(slot) + "_score";
    return header + ",best_possible,hints\r\n";
}

QByteArray csvLine(const RoundRecord& round)
{
    QStringList words;
    for (const SlotRecord& slot : round.wordSlots)
        words << slot.solution;
    QByteArray line = round.playedAt.toUTC().toString(Qt::ISODate).toUtf8() + ',' + csvField(round.player) + ','
        + QByteArray::number(round.roundScore) + ',' + QByteArray::number(round.computerScore) + ',' + resultOf(round) + ','
        + QByteArray::number(round.wordsMade) + ',' + csvField(words.join(u' '));
    for (const SlotRecord& slot : round.wordSlots)
        line += ',' + csvField(slot.letters) + ',' + QByteArray::number(slot.score);
    const std::optional<int> bestPossible = round.knownBestPossible();
    return line + ',' + (bestPossible ? QByteArray::number(*bestPossible) : QByteArray()) + ',' + QByteArray::number(round.hints) + "\r\n";
}

QByteArray roundsToCsv(const QList<RoundRecord>& rounds)
{
    QByteArray csv = csvHeader();
    for (const RoundRecord& round : rounds)
        csv += csvLine(round);
    return csv;
}

// A round kept without its best possible score is written without: the export works nothing out.
CsvExport exportRoundsCsv(HistoryDatabase& history, const QString& player, const QString& filePath)
{
    constexpr qsizetype kPiece = 1 << 16;
    CsvExport done;
    done.problem = writeKeptFileInPieces(filePath, [&](const KeptFileWrite& write) {
        QByteArray piece = csvHeader();
        bool isWritten = true;
        const bool isRead = history.forEachRound(player, [&](const RoundRecord& round) {
            piece += csvLine(round);
            ++done.rounds;
            if (piece.size() >= kPiece)
                isWritten = write(std::exchange(piece, QByteArray()));
            return isWritten;
        });
        if (isWritten && !isRead)
            return HistoryDatabase::tr("the history cannot be read");
        write(piece);
        return QString();
    });
    return done;
}
