#include "platform/user_defaults_store.h"

#include "platform/problem_report.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>
#include <limits>

namespace {

// Each value is an object naming its type, so the types survive the trip through JSON:
// {"string": "ada"}, {"int32": 12}, {"int64": 1234}, {"float": 12.5}, {"dictionary": {...}}.
// 64-bit integers beyond what a JSON number holds exactly are written as strings, and
// floats that are not finite as "nan", "inf" or "-inf".
constexpr int64_t kLargestExactJsonInteger = int64_t {1} << 53;
constexpr int kLockTimeoutMs = 5000;

QJsonValue encodeInt64(int64_t value)
{
    if (value > -kLargestExactJsonInteger && value < kLargestExactJsonInteger)
        return QJsonValue(static_cast<double>(value));
    return QJsonValue(QString::number(value));
}

QJsonValue encodeFloat(float value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    return QJsonValue(static_cast<double>(value)); // exact: every float is a double
}

QJsonObject encodeScalar(const StoreScalar& value)
{
    return std::visit(
        [](const auto& v) -> QJsonObject {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, QString>)
                return {{QStringLiteral("string"), v}};
            else if constexpr (std::is_same_v<T, int32_t>)
                return {{QStringLiteral("int32"), v}};
            else if constexpr (std::is_same_v<T, int64_t>)
                return {{QStringLiteral("int64"), encodeInt64(v)}};
            else
                return {{QStringLiteral("float"), encodeFloat(v)}};
        },
        value);
}

QJsonObject encode(const StoreValue& value)
{
    if (const auto* dictionary = std::get_if<StoreDictionary>(&value)) {
        QJsonObject entries;
        for (const auto& [key, entry] : *dictionary)
            entries.insert(key, encodeScalar(entry));
        return {{QStringLiteral("dictionary"), entries}};
    }
    return std::visit(
        [](const auto& v) -> QJsonObject {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, StoreDictionary>)
                return {};
            else
                return encodeScalar(v);
        },
        value);
}

std::optional<float> decodeFloat(const QJsonValue& value)
{
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (std::abs(number) > std::numeric_limits<float>::max())
            return std::nullopt;
        return static_cast<float>(number);
    }
    const QString text = value.toString();
    if (text == QStringLiteral("nan"))
        return NAN;
    if (text == QStringLiteral("inf"))
        return INFINITY;
    if (text == QStringLiteral("-inf"))
        return -INFINITY;
    return std::nullopt;
}

std::optional<int64_t> decodeInt64(const QJsonValue& value)
{
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (!(std::abs(number) < 9.2e18))
            return std::nullopt;
        return static_cast<int64_t>(number);
    }
    bool ok = false;
    const qlonglong number = value.toString().toLongLong(&ok);
    return ok ? std::optional<int64_t>(number) : std::nullopt;
}

std::optional<StoreScalar> decodeScalar(const QJsonValue& encoded)
{
    const QJsonObject object = encoded.toObject();
    if (object.size() != 1)
        return std::nullopt;
    const QString type = object.begin().key();
    const QJsonValue value = object.begin().value();
    if (type == QStringLiteral("string") && value.isString())
        return value.toString();
    if (type == QStringLiteral("int32") && value.isDouble())
        return static_cast<int32_t>(value.toInt());
    if (type == QStringLiteral("int64")) {
        if (const auto number = decodeInt64(value))
            return *number;
    }
    if (type == QStringLiteral("float")) {
        if (const auto number = decodeFloat(value))
            return *number;
    }
    return std::nullopt;
}

std::optional<StoreValue> decode(const QJsonValue& encoded)
{
    const QJsonObject object = encoded.toObject();
    if (object.size() == 1 && object.contains(QStringLiteral("dictionary"))) {
        StoreDictionary dictionary;
        const QJsonObject entries = object.value(QStringLiteral("dictionary")).toObject();
        for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
            if (auto scalar = decodeScalar(entry.value()))
                dictionary.emplace(entry.key(), std::move(*scalar));
        }
        return dictionary;
    }
    if (auto scalar = decodeScalar(encoded))
        return std::visit([](auto&& v) -> StoreValue { return std::move(v); }, std::move(*scalar));
    return std::nullopt;
}

// An unreadable document is kept for the player to look at, out of the game's way.
void moveAside(const QString& filePath)
{
    const QString aside = filePath + QStringLiteral(".corrupt-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
    QFile::rename(filePath, aside);
    reportProblem(QStringLiteral("The saved statistics in %1 could not be read; they were moved to %2 and play goes on with none.\n")
                      .arg(QDir::toNativeSeparators(filePath), QDir::toNativeSeparators(aside))
                      .toUtf8());
}

std::optional<QJsonObject> parseObject(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

StoreDocument decodeObject(const QJsonObject& object)
{
    StoreDocument document;
    for (auto entry = object.begin(); entry != object.end(); ++entry) {
        if (auto value = decode(entry.value()))
            document.emplace(entry.key(), std::move(*value));
    }
    return document;
}

// The document as it is on disk now; an unreadable one is moved aside and reads as empty.
// Entries of a shape this version does not know are kept as they are, so a write never
// drops them.
QJsonObject readDocument(const QString& filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto object = parseObject(file.readAll());
    file.close();
    if (!object) {
        moveAside(filePath);
        return {};
    }
    return *object;
}

bool writeDocument(const QString& filePath, const QJsonObject& document)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(document).toJson(QJsonDocument::Indented));
    return file.commit();
}

} // namespace

std::optional<StoreDocument> decodeStoreDocument(const QByteArray& bytes)
{
    const auto object = parseObject(bytes);
    return object ? std::optional<StoreDocument>(decodeObject(*object)) : std::nullopt;
}

QByteArray encodeStoreDocument(const StoreDocument& document)
{
    QJsonObject object;
    for (const auto& [key, value] : document)
        object.insert(key, encode(value));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

UserDefaultsStore::UserDefaultsStore(QString filePath)
    : m_filePath(std::move(filePath))
{
}

QString UserDefaultsStore::standardFilePath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("sixfold/defaults.json"));
}

std::optional<StoreValue> UserDefaultsStore::objectForKey(const QString& key)
{
    const QJsonObject document = readDocument(m_filePath);
    return document.contains(key) ? decode(document.value(key)) : std::nullopt;
}

void UserDefaultsStore::setObject(const QString& key, const StoreValue& value)
{
    setObjects({{key, value}});
}

void UserDefaultsStore::setObjects(const std::vector<std::pair<QString, StoreValue>>& values)
{
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QLockFile lock(m_filePath + QStringLiteral(".lock"));
    bool written = lock.tryLock(kLockTimeoutMs);
    if (written) {
        QJsonObject document = readDocument(m_filePath);
        const QJsonObject before = document;
        for (const auto& [key, value] : values)
            document.insert(key, encode(value));
        written = document == before || writeDocument(m_filePath, document);
    }
    if (!written && !m_reportedWriteFailure) {
        reportProblem(QStringLiteral("The statistics cannot be saved in %1; play goes on without saving.\n")
                          .arg(QDir::toNativeSeparators(m_filePath))
                          .toUtf8());
        m_reportedWriteFailure = true;
    }
}
