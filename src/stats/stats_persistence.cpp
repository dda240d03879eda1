#include "stats/stats_persistence.h"

#include "console/log_console.h"
#include "platform/login_name.h"
#include "platform/user_defaults_store.h"
#include "stats/record_keys.h"
#include "stats/user_stats.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int kLongestBestWord = sizeof gCurrStats.bestWord - 1;

// A float as a whole number of type Number: truncated, held at the type's limits, 0 for NaN.
template <typename Number>
Number wholeNumberOf(float value)
{
    if (std::isnan(value))
        return 0;
    const double limited = std::clamp(static_cast<double>(value), static_cast<double>(std::numeric_limits<Number>::min()),
                                      static_cast<double>(std::numeric_limits<Number>::max()));
    return static_cast<Number>(limited);
}

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

// Numbers read back as the type asked for, whichever type they were stored as; any other
// value reads as absent, that is zero.
template <typename Number>
Number numberAt(const StoreDictionary& record, const char* name)
{
    const auto found = record.find(key(name));
    if (found == record.end())
        return 0;
    return std::visit(
        [](const auto& value) -> Number {
            using Stored = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Stored, QString>)
                return 0;
            else if constexpr (std::is_same_v<Stored, float> && std::is_integral_v<Number>)
                return wholeNumberOf<Number>(value);
            else
                return static_cast<Number>(value);
        },
        found->second);
}

QByteArray textAt(const StoreDictionary& record, const char* name)
{
    const auto found = record.find(key(name));
    const QString* text = found == record.end() ? nullptr : std::get_if<QString>(&found->second);
    return text ? text->toUtf8() : QByteArray();
}

void copyText(char* destination, size_t size, const QByteArray& text)
{
    const QByteArray fitting = cutAtCharacterBoundary(text, static_cast<int>(size) - 1);
    std::memset(destination, 0, size);
    std::memcpy(destination, fitting.constData(), static_cast<size_t>(fitting.size()));
}

// The stored whole number for an average: truncated toward zero, and 0 for a value that
// is not finite or does not fit.
int32_t storedWholeNumber(float average)
{
    if (!std::isfinite(average) || average >= 2147483648.0f || average < -2147483648.0f)
        return 0;
    return static_cast<int32_t>(average);
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

void loadPrefs()
{
    gPrefsDict = std::make_unique<UserDefaultsStore>(UserDefaultsStore::standardFilePath());
    const auto stored = gPrefsDict->objectForKey(key(RecordKey::LastUser));
    const QString* lastUser = stored ? std::get_if<QString>(&*stored) : nullptr;
    const QString name = lastUser && !lastUser->isEmpty() ? *lastUser : loginUserName();
    setUserName(name.toUtf8());
    loadUserStats();
}

void loadUserStats()
{
    std::memcpy(gCurrStats.userName, gUserName, sizeof gUserName);
    const auto stored = gPrefsDict->objectForKey(QString::fromUtf8(gUserName));
    const StoreDictionary* record = stored ? std::get_if<StoreDictionary>(&*stored) : nullptr;
    if (!record) {
        startNewPlayer();
        return;
    }
    gCurrStats.averageScore = numberAt<float>(*record, RecordKey::AverageScore);
    gCurrStats.averageValidWordsPerPuzzle = numberAt<float>(*record, RecordKey::AverageValidWordsPerPuzzle);
    gCurrStats.averageWordScore = numberAt<float>(*record, RecordKey::AverageWordScore);
    gCurrStats.totalPuzzlesSubmitted = numberAt<int32_t>(*record, RecordKey::TotalPuzzlesSubmitted);
    gCurrStats.totalWordsMade = numberAt<int32_t>(*record, RecordKey::TotalWordsMade);
    gCurrStats.totalScores = numberAt<int64_t>(*record, RecordKey::TotalScores);
    gCurrStats.computerTotalScores = numberAt<int64_t>(*record, RecordKey::ComputerTotalScores);
    gCurrStats.computerAverage = numberAt<float>(*record, RecordKey::ComputerAverage);
    // Absent best-of keys read as nothing, never as the previous player's bests.
    copyText(gCurrStats.bestWord, kLongestBestWord + 1, textAt(*record, RecordKey::BestWord));
    gCurrStats.bestWordScore = numberAt<int32_t>(*record, RecordKey::BestWordScore);
    gCurrStats.bestRoundScore = numberAt<int32_t>(*record, RecordKey::BestRoundScore);
}

void saveStats()
{
    const QString name = QString::fromUtf8(gUserName);
    const StoreDictionary record {
        {key(RecordKey::AverageScore), gCurrStats.averageScore},
        {key(RecordKey::AverageValidWordsPerPuzzle), gCurrStats.averageValidWordsPerPuzzle},
        {key(RecordKey::AverageWordScore), storedWholeNumber(gCurrStats.averageWordScore)},
        {key(RecordKey::TotalPuzzlesSubmitted), gCurrStats.totalPuzzlesSubmitted},
        {key(RecordKey::TotalWordsMade), gCurrStats.totalWordsMade},
        {key(RecordKey::TotalScores), gCurrStats.totalScores},
        {key(RecordKey::ComputerTotalScores), gCurrStats.computerTotalScores},
        {key(RecordKey::ComputerAverage), gCurrStats.computerAverage},
        {key(RecordKey::BestWordScore), gCurrStats.bestWordScore},
        {key(RecordKey::BestRoundScore), gCurrStats.bestRoundScore},
        {key(RecordKey::BestWord), QString::fromUtf8(gCurrStats.bestWord)},
    };
    gPrefsDict->setObjects({{key(RecordKey::LastUser), name}, {name, record}});
}

void saveLastUser()
{
    if (gPrefsDict)
        gPrefsDict->setObject(key(RecordKey::LastUser), QString::fromUtf8(gUserName));
}
