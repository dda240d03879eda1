#include "history/history_csv.h"

#include <gtest/gtest.h>

TEST(HistoryCsvTest, KnownHistoryExportsByteForByte)
{
    // Shown in UTC to the second, whatever the offset it was kept in.
    RoundRecord won {"Zoë, \"Z\"", QDateTime::fromMSecsSinceEpoch(1796000000999, Qt::UTC).toOffsetFromUtc(3600), 40, {}, 41, 1};
    for (int i = 0; i < kRoundSlots; ++i)
        won.wordSlots[i].solution = QString("GARDEN ANCHOR CHOSEN NORMAL SILVER").split(' ')[i];
    won.wordSlots[0] = {0, 0, SlotDirection::Across, "GARDEN", "HARDEN", true, 41};
    won.wordSlots[1].letters = "A  H  ";
    const RoundRecord drawn {"line\nbreak", won.playedAt, 40, won.wordSlots, 40, 1}, lost {"a\rb", won.playedAt, 40, won.wordSlots, 39, 1};
    const QByteArray header = "played_at,player,round_score,computer_score,result,words_made,computer_words,slot_1,slot_1_score,"
                              "slot_2,slot_2_score,slot_3,slot_3_score,slot_4,slot_4_score,slot_5,slot_5_score\r\n";
    const QByteArray rest = "1,GARDEN ANCHOR CHOSEN NORMAL SILVER,HARDEN,41,A  H  ,0,,0,,0,,0\r\n";
    EXPECT_EQ(roundsToCsv({won, drawn, lost}), header + "2026-11-30T00:53:20Z,\"Zoë, \"\"Z\"\"\",41,40,won," + rest
                  + "2026-11-30T00:53:20Z,\"line\nbreak\",40,40,drawn," + rest + "2026-11-30T00:53:20Z,\"a\rb\",39,40,lost," + rest);
    EXPECT_EQ(roundsToCsv({}), header);
}
