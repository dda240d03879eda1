// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/player/stats_persistence.h"

#include "core/platform/log_console.h"
#include "core/platform/login_name.h"
#include "core/player/user_defaults_store.h"
#include "core/player/user_stats.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

const QString kLastUserKey = QStringLiteral("LastUser");
constexpr int kLongestName = sizeof gUserName - 1;

// How a record key's value is read and stored; reading a number uses the key's kind, whatever
// form the document gave it. FloatStoredWhole reads as a float and is stored truncated.
enum class Kind { Float, FloatStoredWhole, Whole32, Whole64, Text };

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
    {"averageWordScore", &UserStats::averageWordScore, Kind::FloatStoredWhole},
    {"totalPuzzlesSubmitted", &UserStats::totalPuzzlesSubmitted, Kind::Whole32},
    {"totalWordsMade", &UserStats::totalWordsMade, Kind::Whole32},
    {"totalScores", &UserStats::totalScores, Kind::Whole64},
    {"computerTotalScores", &UserStats::computerTotalScores, Kind::Whole64},
    {"computerAverage", &UserStats::computerAverage, Kind::Float},
    {"bestWordScore", &UserStats::bestWordScore, Kind::Whole32},
    {"bestRoundScore", &UserStats::bestRoundScore, Kind::Whole32},
    {"bestWord", &UserStats::bestWord, Kind::Text},
};

// `value` truncated toward zero and held within Number's range.
template <typename Number>
Number saturated(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double kBeyond = -static_cast<double>(std::numeric_limits<Number>::min()); // 2^31 or 2^63
    if (value >= kBeyond)
        return std::numeric_limits<Number>::max();
    if (value < -kBeyond)
        return std::numeric_limits<Number>::min();
    return static_cast<Number>(value);
}

using FieldValue = std::variant<float, int64_t, QString>;

// A number of either form reads as the key's kind: truncated toward zero where a whole number
// belongs, held at the kind's bounds beyond them. Only a value that is no number under a
// numeric key (or no text under bestWord) reads as absent.
std::optional<FieldValue> readAs(Kind kind, const StoreScalar& stored)
{
    if (const auto* text = std::get_if<QString>(&stored))
        return kind == Kind::Text ? std::optional<FieldValue>(*text) : std::nullopt;
    if (kind == Kind::Text)
        return std::nullopt;
    const auto* integer = std::get_if<int64_t>(&stored);
    const double number = integer ? static_cast<double>(*integer)
        : std::holds_alternative<float>(stored) ? static_cast<double>(std::get<float>(stored))
                                                : std::get<double>(stored);
    if (std::isnan(number))
        return std::nullopt;
    if (kind == Kind::Float || kind == Kind::FloatStoredWhole) {
        constexpr double kLargest = std::numeric_limits<float>::max();
        return integer ? static_cast<float>(*integer) : static_cast<float>(std::clamp(number, -kLargest, kLargest));
    }
    const int64_t whole = integer ? *integer : saturated<int64_t>(number); // exact beyond 2^53 too
    if (kind == Kind::Whole32)
        return static_cast<int64_t>(std::clamp<int64_t>(whole, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    return whole;
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

// The record's keys whose values read as absent although they are there.
QStringList unreadableKeys(const StoreDictionary& record)
{
    QStringList keys;
    for (const RecordField& field : kRecordFields) {
        const auto found = record.find(QString::fromLatin1(field.key));
        if (found != record.end() && !readAs(field.kind, found->second))
            keys.append(found->first);
    }
    return keys;
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
                    return field.kind == Kind::Float ? StoreScalar(source) : StoreScalar(int64_t {saturated<int32_t>(source)});
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
    QStringList unreadable;
    const bool isStored = gPrefsDict->updateObject(name, [&](const std::optional<StoreValue>& stored) {
        const auto* record = stored ? std::get_if<StoreDictionary>(&*stored) : nullptr;
        unreadable = record ? unreadableKeys(*record) : QStringList();
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
        if (!unreadable.isEmpty())
            printMessage(QCoreApplication::translate("Statistics", "The stored statistics of %1 held no readable value under %2; "
                                                                   "replaced with the current figures.\n")
                             .arg(QString::fromUtf8(gUserName), unreadable.join(QStringLiteral(", "))));
        gCurrStats = result;
        // As the store gives it back (a float reads back as a double), to compare with later.
        seen.record = std::get<StoreDictionary>(decodeStoreDocument(encodeStoreDocument({{name, recordOf(result)}}))->at(name));
    }
    return isStored;
}

void startNewPlayer()
{
    printMessage(QCoreApplication::translate("Statistics", "You appear to be a new user, welcome!\n"));
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

// A stored last player is cut to the name limit, as every name is; one that could not be a
// player's name (empty, or the key itself, which a save would then write a record over)
// reads as absent.
void loadPrefs()
{
    gPrefsDict = std::make_unique<UserDefaultsStore>(UserDefaultsStore::standardFilePath());
    const auto stored = gPrefsDict->objectForKey(kLastUserKey);
    const QString* lastUser = stored ? std::get_if<QString>(&*stored) : nullptr;
    const QByteArray name = lastUser ? cutAtCharacterBoundary(lastUser->toUtf8(), kLongestName) : QByteArray();
    const bool isName = !name.isEmpty() && name != kLastUserKey.toUtf8();
    setUserName(isName ? name : loginUserName().toUtf8());
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

void saveRaisedBests()
{
    if (!gPrefsDict)
        return;
    StoredRecord& seen = lastStored();
    UserStats saved;
    if (seen.record)
        readRecord(*seen.record, saved);
    if (gCurrStats.bestWordScore <= saved.bestWordScore && gCurrStats.bestRoundScore <= saved.bestRoundScore)
        return;
    const QString name = QString::fromUtf8(gUserName);
    // What this game last saw stays as it was, so that a save after this one still takes what
    // another game stored in between.
    gPrefsDict->updateObject(name, [&](const std::optional<StoreValue>& stored) {
        const auto* record = stored ? std::get_if<StoreDictionary>(&*stored) : nullptr;
        if (!record)
            return StoreValue(recordOf(gCurrStats));
        UserStats raised;
        readRecord(*record, raised);
        keepBetterBests(raised, gCurrStats);
        const StoreDictionary bests = recordOf(raised);
        StoreDictionary written = *record;
        for (const char* key : {"bestWord", "bestWordScore", "bestRoundScore"})
            written[QString::fromLatin1(key)] = bests.at(QString::fromLatin1(key));
        return StoreValue(written);
    });
}

void saveLastUser()
{
    if (gPrefsDict)
        gPrefsDict->setObject(kLastUserKey, QString::fromUtf8(gUserName));
}
