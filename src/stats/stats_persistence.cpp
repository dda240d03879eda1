// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/stats_persistence.h"

#include "console/log_console.h"
#include "platform/login_name.h"
#include "platform/user_defaults_store.h"
#include "stats/user_stats.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

const QString kLastUserKey = QStringLiteral("LastUser");
constexpr int kLongestName = sizeof gUserName - 1;

// How a record key's value is stored; reading a number uses the key's kind, whatever form
// the document gave it.
enum class Kind { Float, Whole32, Whole64, Text };

using Member = std::variant<float UserStats::*, int32_t UserStats::*, int64_t UserStats::*, char (UserStats::*)[8]>;

struct RecordField {
    const char* key;
    Member member;
    Kind kind;
};

// The eleven keys of a player record. averageWordScore alone is an average stored as a whole
// number (truncated toward zero).
const RecordField kRecordFields[] = {
    {"averageScore", &UserStats::averageScore, Kind::Float},
    {"averageValidWordsPerPuzzle", &UserStats::averageValidWordsPerPuzzle, Kind::Float},
    {"averageWordScore", &UserStats::averageWordScore, Kind::Whole32},
    {"totalPuzzlesSubmitted", &UserStats::totalPuzzlesSubmitted, Kind::Whole32},
    {"totalWordsMade", &UserStats::totalWordsMade, Kind::Whole32},
    {"totalScores", &UserStats::totalScores, Kind::Whole64},
    {"computerTotalScores", &UserStats::computerTotalScores, Kind::Whole64},
    {"computerAverage", &UserStats::computerAverage, Kind::Float},
    {"bestWordScore", &UserStats::bestWordScore, Kind::Whole32},
    {"bestRoundScore", &UserStats::bestRoundScore, Kind::Whole32},
    {"bestWord", &UserStats::bestWord, Kind::Text},
};

// `value` truncated toward zero, or nothing when it is not finite or does not fit Number.
template <typename Number>
std::optional<Number> truncated(double value)
{
    constexpr double kBeyond = -static_cast<double>(std::numeric_limits<Number>::min()); // 2^31 or 2^63
    if (!std::isfinite(value) || std::trunc(value) >= kBeyond || std::trunc(value) < -kBeyond)
        return std::nullopt;
    return static_cast<Number>(value);
}

using FieldValue = std::variant<float, int64_t, QString>;

// The reading rules for every kind: a value of another kind, out of the kind's range, not
// finite, or not whole where a whole number belongs, reads as absent.
std::optional<FieldValue> readAs(Kind kind, const StoreScalar& stored)
{
    if (const auto* text = std::get_if<QString>(&stored))
        return kind == Kind::Text ? std::optional<FieldValue>(*text) : std::nullopt;
    if (kind == Kind::Text)
        return std::nullopt;
    const double number = std::visit(
        [](const auto& v) -> double {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, QString>)
                return NAN;
            else
                return static_cast<double>(v);
        },
        stored);
    if (kind == Kind::Float) {
        if (!std::isfinite(number) || std::abs(number) > std::numeric_limits<float>::max())
            return std::nullopt;
        return std::holds_alternative<int64_t>(stored) ? static_cast<float>(std::get<int64_t>(stored)) : static_cast<float>(number);
    }
    std::optional<int64_t> whole;
    if (const auto* integer = std::get_if<int64_t>(&stored))
        whole = *integer; // exact, which the double above is not beyond 2^53
    else if (std::trunc(number) == number)
        whole = truncated<int64_t>(number);
    if (whole && kind == Kind::Whole32 && *whole != static_cast<int32_t>(*whole))
        whole.reset();
    return whole ? std::optional<FieldValue>(*whole) : std::nullopt;
}

void copyText(char* destination, size_t size, const QByteArray& text)
{
    const QByteArray fitting = cutAtCharacterBoundary(text, static_cast<int>(size) - 1);
    std::memset(destination, 0, size);
    std::memcpy(destination, fitting.constData(), static_cast<size_t>(fitting.size()));
}

// Absent keys read as zero, the bests too: never as the previous player's bests.
void readRecord(const StoreDictionary& record, UserStats& stats)
{
    for (const RecordField& field : kRecordFields) {
        const auto found = record.find(QString::fromLatin1(field.key));
        const auto value = found == record.end() ? std::nullopt : readAs(field.kind, found->second);
        std::visit(
            [&](auto member) {
                auto& target = stats.*member;
                using Target = std::remove_reference_t<decltype(target)>;
                if constexpr (std::is_array_v<Target>)
                    copyText(target, sizeof target, value ? std::get<QString>(*value).toUtf8() : QByteArray());
                else if (!value)
                    target = 0;
                else if (const auto* number = std::get_if<float>(&*value))
                    target = static_cast<Target>(*number);
                else
                    target = static_cast<Target>(std::get<int64_t>(*value));
            },
            field.member);
    }
}

StoreDictionary recordOf(const UserStats& stats)
{
    StoreDictionary record;
    for (const RecordField& field : kRecordFields) {
        StoreScalar value = std::visit(
            [&](auto member) -> StoreScalar {
                const auto& source = stats.*member;
                using Source = std::remove_cvref_t<decltype(source)>;
                if constexpr (std::is_array_v<Source>)
                    return QString::fromUtf8(source);
                else if constexpr (std::is_same_v<Source, float>)
                    return field.kind == Kind::Float ? StoreScalar(source)
                                                     : StoreScalar(int64_t {truncated<int32_t>(source).value_or(0)});
                else
                    return static_cast<int64_t>(source);
            },
            field.member);
        record.emplace(QString::fromLatin1(field.key), std::move(value));
    }
    return record;
}

// What this game last read or wrote as the current player's record, and the submitted rounds
// it could not store, so that figures another game stored in between are never written over.
struct StoredRecord {
    QString filePath;
    QString player;
    std::optional<StoreDictionary> record;
    RoundTotals unsaved;
};

StoredRecord& lastStored()
{
    static StoredRecord stored;
    if (!gPrefsDict || stored.filePath != gPrefsDict->filePath() || stored.player != QString::fromUtf8(gUserName))
        stored = {gPrefsDict ? gPrefsDict->filePath() : QString(), QString::fromUtf8(gUserName), std::nullopt, {}};
    return stored;
}

void keepBetterBests(UserStats& stats, const UserStats& other)
{
    if (other.bestWordScore > stats.bestWordScore) {
        stats.bestWordScore = other.bestWordScore;
        std::memcpy(stats.bestWord, other.bestWord, sizeof stats.bestWord);
    }
    stats.bestRoundScore = std::max(stats.bestRoundScore, other.bestRoundScore);
}

// Writes gCurrStats, with `rounds` added to the stored record when one is there, and takes
// what was written as gCurrStats. With `rounds` empty, a record unchanged since this game
// saw it is replaced by gCurrStats whole.
bool storeRecord(const RoundTotals& rounds, const RoundTotals& round,
                 const std::vector<std::pair<QString, StoreValue>>& alsoSet = {})
{
    const QString name = QString::fromUtf8(gUserName);
    StoredRecord& seen = lastStored();
    UserStats result;
    const bool isStored = gPrefsDict->updateObject(name, [&](const std::optional<StoreValue>& stored) {
        const auto* record = stored ? std::get_if<StoreDictionary>(&*stored) : nullptr;
        result = gCurrStats;
        if (record && (rounds.puzzles > 0 || seen.record != *record)) {
            readRecord(*record, result);
            keepBetterBests(result, gCurrStats);
            if (rounds.puzzles > 0)
                addRounds(result, rounds);
        } else if (round.puzzles > 0) {
            addRounds(result, round);
        }
        return StoreValue(recordOf(result));
    }, alsoSet);
    if (isStored) {
        gCurrStats = result;
        // As the store gives it back (a float reads back as a double), to compare with later.
        seen.record = std::get<StoreDictionary>(decodeStoreDocument(encodeStoreDocument({{name, recordOf(result)}}))->at(name));
    }
    return isStored;
}

void startNewPlayer()
{
    myPrintf("You appear to be a new user, welcome!\n");
    UserStats fresh;
    std::memcpy(fresh.userName, gCurrStats.userName, sizeof fresh.userName);
    gCurrStats = fresh;
}

} // namespace

QByteArray cutAtCharacterBoundary(const QByteArray& text, int maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    int cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.left(cut);
}

void setUserName(const QByteArray& name)
{
    copyText(gCurrStats.userName, sizeof gCurrStats.userName, name);
    std::memcpy(gUserName, gCurrStats.userName, sizeof gUserName);
}

// A stored last player that could not be a player's name (empty, too long, or the key
// itself, which a save would then write a record over) reads as absent.
void loadPrefs()
{
    gPrefsDict = std::make_unique<UserDefaultsStore>(UserDefaultsStore::standardFilePath());
    const auto stored = gPrefsDict->objectForKey(kLastUserKey);
    const QString* lastUser = stored ? std::get_if<QString>(&*stored) : nullptr;
    const bool isName = lastUser && !lastUser->isEmpty() && lastUser->toUtf8().size() <= kLongestName && *lastUser != kLastUserKey;
    setUserName((isName ? *lastUser : loginUserName()).toUtf8());
    loadUserStats();
}

void loadUserStats()
{
    std::memcpy(gCurrStats.userName, gUserName, sizeof gUserName);
    StoredRecord& seen = lastStored();
    const auto stored = gPrefsDict->objectForKey(QString::fromUtf8(gUserName));
    const StoreDictionary* record = stored ? std::get_if<StoreDictionary>(&*stored) : nullptr;
    seen.record = record ? std::optional<StoreDictionary>(*record) : std::nullopt;
    seen.unsaved = {};
    if (!record) {
        startNewPlayer();
        return;
    }
    readRecord(*record, gCurrStats);
}

void saveStats()
{
    storeRecord({}, {}, {{kLastUserKey, QString::fromUtf8(gUserName)}});
}

void submitRound(const RoundTotals& round)
{
    StoredRecord& seen = lastStored();
    RoundTotals rounds = seen.unsaved;
    addRounds(rounds, round);
    if (gPrefsDict && storeRecord(rounds, round)) {
        seen.unsaved = {};
        return;
    }
    seen.unsaved = rounds;
    addRounds(gCurrStats, round);
}

void saveLastUser()
{
    if (gPrefsDict)
        gPrefsDict->setObject(kLastUserKey, QString::fromUtf8(gUserName));
}
