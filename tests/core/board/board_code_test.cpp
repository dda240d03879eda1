// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/board_code.h"
#include "core/board/deal_random.h"

#include "support/layer_test.h"

#include <vector>

namespace {

// Worked apart from the code from the published algorithms; the bound of three thousand million redraws twice in these six draws.
TEST(DealRandomTest, LemireDrawsGiveTheirPublishedSequences)
{
    for (const auto& [bound, expected] : {std::pair<uint32_t, std::vector<uint32_t>> {6, {4, 0, 1, 2, 0, 5, 1, 4, 2, 3}},
                                          {3000000000U, {835803390, 1032572149, 114090505, 2604684229, 655215580, 2401895629}}}) {
        DealRandom random(42);
        std::vector<uint32_t> drawn;
        for (size_t i = 0; i < expected.size(); ++i)
            drawn.push_back(random.below(bound));
        EXPECT_EQ(drawn, expected) << bound;
    }
    DealRandom random(42);
    EXPECT_EQ(random.below(0), 0U);
    EXPECT_EQ(random.below(1), 0U);
    EXPECT_EQ(random.below(6), 4U) << "bounds 0 and 1 drew a number";
}

TEST(BoardCodeTest, ReadingAcceptsCaseAndSpacingAndRefusesWhatIsNoCode)
{
    const WordListTag list {uint64_t {1} << 56 | 0x12345678, true}; // a hash whose four leading bits of earlier codes are 1
    const QString code = boardCode(0x5EED5EED42, list);
    EXPECT_EQ(code, QStringLiteral("3STAD-KW9V7-R4PRU")); // the code earlier versions gave, then the list's check
    EXPECT_EQ(boardCode(kSeedMask, {~uint64_t {0}, true}), QStringLiteral("PNF54-DM6HA-NYT5T")); // the largest seed and tag
    using enum CodeFault;
    const struct { const char* typed; CodeFault fault; } cases[] = {
        {" 3stad kw9v7 r4-pru ", None}, {"3STAD-KW9V7", None}, {"", Malformed}, {"3STAD-KW9V", Malformed}, {"3STAD-KW9V72", Malformed},
        {"3STAD-KW9V7-R4PR", Malformed}, {"3STAD-KW9V7-R4PRUU", Malformed}, {"3STAD-KW9V0", Malformed}, {"3STAO-KW9V7", Malformed}, // no 0, O, 1, I or L
        {"3STAD-KW1V7", Malformed}, {"3STAD-KWIV7", Malformed}, {"3STAD-KWLV7", Malformed}, {"ZZZZZ-ZZZZP", Malformed}, // the last more than a seed and a tag
        {"3STAD-KW9V8", Typo}, {"S3TAD-KW9V7", Typo}, {"3STAD-KW9V7-R4PRV", Typo}, {"3STAD-KW9V7-4RPRU", Typo}, {"3STAD-KW9V8-R4PRU", Typo}, // slips, swaps
        {"3STAD-KW97V-R4PRU", Typo}};
    for (const auto& [typed, fault] : cases) {
        const CodeReading reading = readBoardCode(QString::fromLatin1(typed), list);
        EXPECT_EQ(reading.fault, fault) << typed;
        EXPECT_EQ(reading.seed, fault == None ? uint64_t {0x5EED5EED42} : 0) << typed;
    }
    for (const WordListTag other : {WordListTag {list.hash ^ uint64_t {1} << 56, true}, WordListTag {list.hash ^ 1, true}}) // in the bits either group checks
        EXPECT_EQ(readBoardCode(code, other).fault, OtherList);
    EXPECT_EQ(readBoardCode(QStringLiteral("3STAD-KW9V7"), {list.hash, false}).fault, ShortCodeOtherList);
}

} // namespace
