// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/board_code.h"

#include "model/deal_random.h"

#include <array>
#include <optional>

namespace {

constexpr char kAlphabet[] = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
constexpr int kBase = 31;
static_assert(sizeof kAlphabet - 1 == kBase);
constexpr int kPayloadLength = kBoardCodeLength - 1;
constexpr int kInverseOfLastWeight = 28; // 10 * 28 = 280 = 9 * 31 + 1
static_assert(kBoardCodeLength * kInverseOfLastWeight % kBase == 1);
// 31^9 > 2^44, so nine characters hold every seed with its tag.
constexpr uint64_t kLargestPayload = (uint64_t {1} << (kSeedBits + kListTagBits)) - 1;
// 1 January 2026, as a constant: a date built at run time may still be null while another
// file's static initialisation asks for a daily number.
constexpr QDate kFirstDailyDate = QDate::fromJulianDay(2461042);
constexpr uint64_t kDailySalt = 0x5349584641494CULL;

std::optional<int> digitOf(QChar c)
{
    for (int digit = 0; digit < kBase; ++digit) {
        if (c == QLatin1Char(kAlphabet[digit]))
            return digit;
    }
    return std::nullopt;
}

int weightedSum(const std::array<int, kBoardCodeLength>& digits, int count)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += (i + 1) * digits[static_cast<size_t>(i)];
    return sum % kBase;
}

} // namespace

QString boardCode(uint64_t seed, uint32_t listTag)
{
    uint64_t payload = (uint64_t {listTag & kListTagMask} << kSeedBits) | (seed & kSeedMask);
    std::array<int, kBoardCodeLength> digits {};
    for (int i = kPayloadLength - 1; i >= 0; --i) {
        digits[static_cast<size_t>(i)] = static_cast<int>(payload % kBase);
        payload /= kBase;
    }
    const int sum = weightedSum(digits, kPayloadLength);
    digits[kPayloadLength] = (kBase - sum) * kInverseOfLastWeight % kBase;
    QString code;
    for (int i = 0; i < kBoardCodeLength; ++i) {
        if (i == kBoardCodeLength / 2)
            code += QLatin1Char('-');
        code += QLatin1Char(kAlphabet[digits[static_cast<size_t>(i)]]);
    }
    return code;
}

CodeReading readBoardCode(const QString& typed, uint32_t listTag)
{
    CodeReading reading;
    std::array<int, kBoardCodeLength> digits {};
    int count = 0;
    for (const QChar c : typed) {
        if (c == QLatin1Char('-') || c.isSpace())
            continue;
        const std::optional<int> digit = count < kBoardCodeLength ? digitOf(c.toUpper()) : std::nullopt;
        if (!digit) {
            reading.fault = CodeFault::Malformed;
            return reading;
        }
        digits[static_cast<size_t>(count++)] = *digit;
    }
    if (count != kBoardCodeLength) {
        reading.fault = CodeFault::Malformed;
        return reading;
    }
    if (weightedSum(digits, kBoardCodeLength) != 0) {
        reading.fault = CodeFault::Typo;
        return reading;
    }
    uint64_t payload = 0;
    for (int i = 0; i < kPayloadLength; ++i)
        payload = payload * kBase + static_cast<uint64_t>(digits[static_cast<size_t>(i)]);
    if (payload > kLargestPayload) {
        reading.fault = CodeFault::Malformed;
        return reading;
    }
    reading.seed = payload & kSeedMask;
    reading.listTag = static_cast<uint32_t>(payload >> kSeedBits);
    if (reading.listTag != (listTag & kListTagMask))
        reading.fault = CodeFault::OtherList;
    return reading;
}

QString codeFaultSentence(CodeFault fault)
{
    switch (fault) {
    case CodeFault::None:
        break;
    case CodeFault::Malformed:
        return QStringLiteral("A board code is ten characters from 2-9 and A-Z without I, L and O, such as 3STAD-KW9V7.");
    case CodeFault::Typo:
        return QStringLiteral("That board code has a typo: its check character does not match the rest.");
    case CodeFault::OtherList:
        return QStringLiteral("That board code was dealt from another word list, so this game cannot deal the same board.");
    }
    return {};
}

int dailyNumber(QDate utcDate)
{
    return static_cast<int>(kFirstDailyDate.daysTo(utcDate)) + 1;
}

uint64_t dailySeed(int number)
{
    return mixBits(kDailySalt ^ static_cast<uint64_t>(static_cast<int64_t>(number))) & kSeedMask;
}
