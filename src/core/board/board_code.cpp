// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/board_code.h"

#include "core/board/deal_random.h"

#include <QCoreApplication>

#include <array>
#include <optional>

namespace {

constexpr char kAlphabet[] = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
constexpr int kBase = 31;
static_assert(sizeof kAlphabet - 1 == kBase);
static_assert(kBoardCodeLength < kBase, "every weight must be a unit modulo the base");
constexpr int kPayloadLength = kShortBoardCodeLength - 1;
constexpr int kListLength = kBoardCodeLength - kShortBoardCodeLength - 1;
constexpr int kShortTagBits = 4;
constexpr uint64_t kListCheckRange = uint64_t {kBase} * kBase * kBase * kBase; // 31^4
static_assert(kListLength == 4);
constexpr int kGroupLength = 5;
// The inverse of each check character's weight: 10 * 28 = 280 = 9 * 31 + 1, 15 * 29 = 435 = 14 * 31 + 1.
constexpr int kInverseOfShortWeight = 28;
constexpr int kInverseOfLastWeight = 29;
static_assert(kShortBoardCodeLength * kInverseOfShortWeight % kBase == 1 && kBoardCodeLength * kInverseOfLastWeight % kBase == 1);
// 31^9 > 2^44, so nine characters hold every seed with its tag.
constexpr uint64_t kLargestPayload = (uint64_t {1} << (kSeedBits + kShortTagBits)) - 1;
// 1 January 2026, as a constant: a date built at run time may still be null while another
// file's static initialisation asks for a daily number.
constexpr QDate kFirstDailyDate = QDate::fromJulianDay(2461042);
constexpr uint64_t kDailySalt = 0x5349584641494CULL;

using Digits = std::array<int, kBoardCodeLength>;

// The four bits of the list's hash that earlier versions' codes carry, and the rest a code checks.
uint64_t shortTagOf(const WordListTag& list)
{
    return (list.hash >> 56) & ((1U << kShortTagBits) - 1);
}

uint64_t listCheckOf(const WordListTag& list)
{
    return (list.hash & 0xFFFFFFFFU) % kListCheckRange;
}

std::optional<int> digitOf(QChar c)
{
    for (int digit = 0; digit < kBase; ++digit) {
        if (c == QLatin1Char(kAlphabet[digit]))
            return digit;
    }
    return std::nullopt;
}

int weightedSum(const Digits& digits, int count)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += (i + 1) * digits[static_cast<size_t>(i)];
    return sum % kBase;
}

// Writes `value` into digits [first, first + count), most significant first.
void putDigits(Digits& digits, int first, int count, uint64_t value)
{
    for (int i = first + count - 1; i >= first; --i) {
        digits[static_cast<size_t>(i)] = static_cast<int>(value % kBase);
        value /= kBase;
    }
}

uint64_t valueOf(const Digits& digits, int first, int count)
{
    uint64_t value = 0;
    for (int i = first; i < first + count; ++i)
        value = value * kBase + static_cast<uint64_t>(digits[static_cast<size_t>(i)]);
    return value;
}

// The check character that makes the weighted sum of the first `length` digits divisible by 31.
int checkDigit(const Digits& digits, int length, int inverseOfWeight)
{
    return (kBase - weightedSum(digits, length - 1)) * inverseOfWeight % kBase;
}

} // namespace

QString boardCode(uint64_t seed, const WordListTag& list)
{
    Digits digits {};
    putDigits(digits, 0, kPayloadLength, (shortTagOf(list) << kSeedBits) | (seed & kSeedMask));
    digits[kPayloadLength] = checkDigit(digits, kShortBoardCodeLength, kInverseOfShortWeight);
    putDigits(digits, kShortBoardCodeLength, kListLength, listCheckOf(list));
    digits[kBoardCodeLength - 1] = checkDigit(digits, kBoardCodeLength, kInverseOfLastWeight);
    QString code;
    for (int i = 0; i < kBoardCodeLength; ++i) {
        if (i > 0 && i % kGroupLength == 0)
            code += QLatin1Char('-');
        code += QLatin1Char(kAlphabet[digits[static_cast<size_t>(i)]]);
    }
    return code;
}

CodeReading readBoardCode(const QString& typed, const WordListTag& list)
{
    CodeReading reading;
    Digits digits {};
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
    if (count != kBoardCodeLength && count != kShortBoardCodeLength) {
        reading.fault = CodeFault::Malformed;
        return reading;
    }
    if (weightedSum(digits, kShortBoardCodeLength) != 0 || (count == kBoardCodeLength && weightedSum(digits, kBoardCodeLength) != 0)) {
        reading.fault = CodeFault::Typo;
        return reading;
    }
    const uint64_t payload = valueOf(digits, 0, kPayloadLength);
    if (payload > kLargestPayload) {
        reading.fault = CodeFault::Malformed;
        return reading;
    }
    reading.seed = payload & kSeedMask;
    if ((payload >> kSeedBits) != shortTagOf(list)
        || (count == kBoardCodeLength && valueOf(digits, kShortBoardCodeLength, kListLength) != listCheckOf(list)))
        reading.fault = CodeFault::OtherList;
    else if (count == kShortBoardCodeLength && !list.isShipped)
        reading.fault = CodeFault::ShortCodeOtherList;
    return reading;
}

QString codeFaultSentence(CodeFault fault)
{
    switch (fault) {
    case CodeFault::None:
        break;
    case CodeFault::Malformed:
        return QCoreApplication::translate("BoardCode", "A board code is fifteen characters from 2-9 and A-Z without I, L and O, such as 3STAD-KW9V7-42TMU.");
    case CodeFault::Typo:
        return QCoreApplication::translate("BoardCode", "That board code has a typo: its check character does not match the rest.");
    case CodeFault::OtherList:
        return QCoreApplication::translate("BoardCode", "That board code was dealt from another word list, so this game cannot deal the same board.");
    case CodeFault::ShortCodeOtherList:
        return QCoreApplication::translate("BoardCode", "A ten-character board code is read only with the word list the game ships, "
                                                        "and this one differs; ask for the fifteen-character code.");
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
