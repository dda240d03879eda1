// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/player/user_defaults_store.h"

#include "core/platform/kept_file.h"
#include "core/platform/problem_report.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QVariant>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

const QStringList kTypeNames {QStringLiteral("string"), QStringLiteral("int32"), QStringLiteral("int64"),
                              QStringLiteral("float"), QStringLiteral("dictionary")};

// Whole numbers as int64_t, whatever way they were written (17, 17.0, 1.7e1); not finite
// numbers are no value.
std::optional<StoreScalar> numberFrom(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (std::trunc(value) == value && value >= -0x1p63 && value < 0x1p63)
        return static_cast<int64_t>(value);
    return value;
}

std::optional<StoreScalar> plainScalar(const QJsonValue& value)
{
    if (value.isString())
        return value.toString();
    if (!value.isDouble())
        return std::nullopt;
    if (value.toVariant().typeId() == QMetaType::LongLong) // exact, beyond 2^53 too
        return static_cast<int64_t>(value.toInteger());
    return numberFrom(value.toDouble());
}

// The older form, each value wrapped in its type: {"int64": 17}; 64-bit numbers beyond 2^53
// were written as strings, and floats that are not finite as "nan" or "inf".
std::optional<StoreScalar> typedScalar(const QJsonValue& wrapped)
{
    const QJsonObject object = wrapped.toObject();
    if (object.size() != 1)
        return std::nullopt;
    const QString type = object.begin().key();
    const QJsonValue value = object.begin().value();
    if (type == QStringLiteral("string"))
        return value.isString() ? std::optional<StoreScalar>(value.toString()) : std::nullopt;
    if (type == QStringLiteral("int64") && value.isString()) {
        bool ok = false;
        const qlonglong number = value.toString().toLongLong(&ok);
        return ok ? std::optional<StoreScalar>(static_cast<int64_t>(number)) : std::nullopt;
    }
    if (kTypeNames.contains(type) && type != QStringLiteral("dictionary") && value.isDouble())
        return plainScalar(value);
    return std::nullopt;
}

bool isTyped(const QJsonObject& object)
{
    return object.size() == 1 && kTypeNames.contains(object.begin().key());
}

// The value, and whether every part of it was understood (only then may it be rewritten).
std::pair<std::optional<StoreValue>, bool> decode(const QJsonValue& encoded)
{
    const auto asValue = [](auto&& scalar) -> std::optional<StoreValue> {
        if (!scalar)
            return std::nullopt;
        return std::visit([](auto&& v) -> StoreValue { return std::move(v); }, std::move(*scalar));
    };
    if (!encoded.isObject()) {
        auto value = asValue(plainScalar(encoded));
        return {value, value.has_value()};
    }
    const QJsonObject object = encoded.toObject();
    const bool typedDictionary = isTyped(object) && object.begin().key() == QStringLiteral("dictionary");
    if (isTyped(object) && !typedDictionary) {
        auto value = asValue(typedScalar(encoded));
        return {value, value.has_value()};
    }
    if (typedDictionary && !object.begin().value().isObject())
        return {std::nullopt, false};
    const QJsonObject entries = typedDictionary ? object.begin().value().toObject() : object;
    StoreDictionary dictionary;
    bool whole = true;
    for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
        auto scalar = typedDictionary ? typedScalar(entry.value()) : plainScalar(entry.value());
        whole = whole && scalar.has_value();
        dictionary.emplace(entry.key(), scalar ? std::move(*scalar) : StoreScalar(std::nan("")));
    }
    return {StoreValue(std::move(dictionary)), whole};
}

// Visits a value or a scalar. A number that is not finite is written as null.
struct JsonOf {
    QJsonValue operator()(const QString& text) const { return text; }
    QJsonValue operator()(int64_t number) const { return static_cast<qint64>(number); } // exact, beyond 2^53 too
    QJsonValue operator()(double number) const { return number; }
    // Through the fewest digits that read back as the float (12.57f as 12.57, not as
    // 12.569999694824219), so what reads back as a double is the number the player was shown.
    QJsonValue operator()(float number) const
    {
        char text[64];
        double widened = 0;
        std::from_chars(text, std::to_chars(std::begin(text), std::end(text), number).ptr, widened);
        return widened;
    }
    QJsonValue operator()(const StoreDictionary& dictionary) const
    {
        QJsonObject object;
        for (const auto& [key, scalar] : dictionary)
            object.insert(key, std::visit(*this, scalar));
        if (dictionary.size() != 1 || !kTypeNames.contains(dictionary.begin()->first))
            return object;
        // A lone entry named like a type would read back as that type: it keeps the older form.
        const auto& [key, scalar] = *dictionary.begin();
        const QString type = std::holds_alternative<QString>(scalar) ? QStringLiteral("string")
            : std::holds_alternative<int64_t>(scalar)                 ? QStringLiteral("int64")
                                                                      : QStringLiteral("float");
        const QJsonValue inner = type == QStringLiteral("int64") ? QJsonValue(QString::number(std::get<int64_t>(scalar))) : object.begin().value();
        return QJsonObject {{"dictionary", QJsonObject {{key, QJsonObject {{type, inner}}}}}};
    }
};

QJsonValue jsonOf(const StoreValue& value)
{
    return std::visit(JsonOf {}, value);
}

QByteArray documentText(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

// An entry in the older, typed form, or a record holding typed values: rewritten plain.
bool isTypedForm(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    if (isTyped(object))
        return true;
    return std::any_of(object.begin(), object.end(),
                       [](const QJsonValue& member) { return member.isObject() && isTyped(member.toObject()); });
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
        if (auto value = decode(entry.value()).first)
            document.emplace(entry.key(), std::move(*value));
    }
    return document;
}

// What a save killed before its commit leaves: QSaveFile's "defaults.json.XXXXXX". Matched
// by hand: a wildcard filter compiles a regular expression, and loading PCRE2's compiler
// for this one listing cost every launch half a megabyte.
void removeLeftoverTemporaries(const QString& filePath)
{
    const QFileInfo info(filePath);
    QDir folder = info.absoluteDir();
    const QString prefix = info.fileName() + u'.';
    constexpr qsizetype kSuffixLength = 6;
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort)) {
        if (name.size() == prefix.size() + kSuffixLength && name.startsWith(prefix))
            folder.remove(name);
    }
}

} // namespace

struct UserDefaultsStore::Read {
    QJsonObject document;
    QByteArray bytes; // the document's text as read
    bool isWritable = true; // false: what is on disk could not be read, and must stay
};

std::optional<StoreDocument> decodeStoreDocument(const QByteArray& bytes)
{
    const auto object = parseObject(bytes);
    return object ? std::optional<StoreDocument>(decodeObject(*object)) : std::nullopt;
}

QByteArray encodeStoreDocument(const StoreDocument& document)
{
    QJsonObject object;
    for (const auto& [key, value] : document)
        object.insert(key, jsonOf(value));
    return documentText(object);
}

UserDefaultsStore::UserDefaultsStore(QString filePath)
    : m_filePath(std::move(filePath))
{
}

QString UserDefaultsStore::standardFilePath()
{
    return applicationFilePath(QStandardPaths::GenericConfigLocation, QStringLiteral("defaults.json"));
}

void UserDefaultsStore::reportOnce(const QString& message)
{
    if (m_hasReported)
        return;
    reportProblem(message.toUtf8());
    m_hasReported = true;
}

// The document as it is on disk now. One that does not parse is moved aside for the player
// to look at and reads as empty; one that cannot be read, or moved, reads as empty and must
// not be written over.
UserDefaultsStore::Read UserDefaultsStore::readDocument()
{
    const QString shown = QDir::toNativeSeparators(m_filePath);
    const KeptFileRead file = readKeptFile(m_filePath);
    if (file.state == KeptFileRead::State::Missing)
        return {};
    if (file.state != KeptFileRead::State::Read) {
        reportOnce(tr("The saved statistics in %1 cannot be read (%2); they are left as they are and play goes on without saving.\n")
                       .arg(shown, file.fault));
        return {{}, {}, false};
    }
    if (const auto object = parseObject(file.bytes))
        return {*object, file.bytes, true};
    const QString aside = moveAside(m_filePath);
    if (aside.isEmpty()) {
        reportOnce(tr("The saved statistics in %1 could not be read, nor moved aside; they are left as they are and play goes on without saving.\n")
                       .arg(shown));
        return {{}, {}, false};
    }
    reportProblem(tr("The saved statistics in %1 could not be read; they were moved to %2 and play goes on with none.\n")
                      .arg(shown, QDir::toNativeSeparators(aside))
                      .toUtf8());
    return {};
}

std::optional<StoreValue> UserDefaultsStore::objectForKey(const QString& key)
{
    const QJsonObject document = readDocument().document;
    return document.contains(key) ? decode(document.value(key)).first : std::nullopt;
}

void UserDefaultsStore::setObject(const QString& key, const StoreValue& value)
{
    setObjects({{key, value}});
}

bool UserDefaultsStore::setObjects(const std::vector<std::pair<QString, StoreValue>>& values)
{
    return edit([&](const StoreDocument&) { return values; });
}

bool UserDefaultsStore::updateObject(const QString& key, const Change& change,
                                     const std::vector<std::pair<QString, StoreValue>>& alsoSet)
{
    return edit([&](const StoreDocument& stored) {
        const auto found = stored.find(key);
        Changes changes = alsoSet;
        changes.emplace_back(key, change(found == stored.end() ? std::nullopt : std::optional<StoreValue>(found->second)));
        return changes;
    });
}

// On any failure the old document stays whole.
bool UserDefaultsStore::edit(const std::function<Changes(const StoreDocument& stored)>& changes)
{
    // The text with the changes made. Entries understood whole in the older, typed form are
    // rewritten plain; the rest as found.
    const auto changed = [&changes](const QJsonObject& document) {
        QJsonObject written = document;
        for (auto entry = written.begin(); entry != written.end(); ++entry) {
            const auto [value, isWhole] = decode(entry.value());
            if (isWhole && isTypedForm(entry.value()))
                entry.value() = jsonOf(*value);
        }
        for (auto& [key, value] : changes(decodeObject(document)))
            written.insert(key, jsonOf(value));
        return documentText(written);
    };
    // The file is only ever replaced whole, so even unlocked a read sees a whole document: a
    // save that would leave it as it is, as the one at every launch does, needs no lock.
    if (const Read seen = readDocument(); !seen.bytes.isEmpty() && changed(seen.document) == seen.bytes)
        return true;
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QLockFile lock(lockFilePath(m_filePath));
    bool isWritten = false;
    Read read;
    if (takeLock(lock) && (read = readDocument()).isWritable) {
        removeLeftoverTemporaries(m_filePath);
        // What the lock let us read is what is on disk: a write that would change nothing is skipped.
        const QByteArray text = changed(read.document);
        if (text == read.bytes)
            return true;
        isWritten = writeKeptFile(m_filePath, text).isEmpty();
    }
    if (!isWritten && read.isWritable)
        reportOnce(tr("The statistics cannot be saved in %1; play goes on without saving.\n")
                       .arg(QDir::toNativeSeparators(m_filePath)));
    return isWritten;
}
