#include "history/history_csv.h"

#include <gtest/gtest.h>

namespace {

TEST(HistoryCsvTest, KnownHistoryExportsByteForByte)
{
    RoundRecord won;
    won.player = QStringLiteral("Zoë, \"Z\"");
    won.playedAt = QDateTime::fromMSecsSinceEpoch(1796000000999, Qt::UTC);
    won.computerScore = 40;
    won.roundScore = 41;
    won.wordsMade = 1;
    const char* words[] = {"GARDEN", "ANCHOR", "CHOSEN", "NORMAL", "SILVER"};
    for (int i = 0; i < kRoundSlots; ++i)
        won.wordSlots[i].solution = QString::fromLatin1(words[i]);
    won.wordSlots[0].letters = QStringLiteral("HARDEN");
    won.wordSlots[0].score = 41;
    won.wordSlots[1].letters = QStringLiteral("A  H  ");
    RoundRecord drawn = won;
    drawn.player = QStringLiteral("line\nbreak");
    drawn.roundScore = 40;
    RoundRecord lost = won;
    lost.player = QStringLiteral("ada");
    lost.roundScore = 0;
    lost.playedAt = QDateTime::fromMSecsSinceEpoch(1796000000000, Qt::UTC).toOffsetFromUtc(3600);

    const QByteArray header = "played_at,player,round_score,computer_score,result,words_made,computer_words,"
                              "slot_1,slot_1_score,slot_2,slot_2_score,slot_3,slot_3_score,slot_4,slot_4_score,"
                              "slot_5,slot_5_score\r\n";
    const QByteArray rest = "1,GARDEN ANCHOR CHOSEN NORMAL SILVER,HARDEN,41,A  H  ,0,,0,,0,,0\r\n";
    EXPECT_EQ(roundsToCsv({won, drawn, lost}),
              header + "2026-11-30T00:53:20Z,\"Zoë, \"\"Z\"\"\",41,40,won," + rest
                  + "2026-11-30T00:53:20Z,\"line\nbreak\",40,40,drawn," + rest
                  + "2026-11-30T00:53:20Z,ada,0,40,lost," + rest);
    EXPECT_EQ(roundsToCsv({}), header);
}

} // namespace
