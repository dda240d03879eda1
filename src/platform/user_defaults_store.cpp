// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/user_defaults_store.h"

#include "platform/problem_report.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace {

constexpr int kLockTimeoutMs = 5000;
// A save holds the lock for milliseconds and QLockFile fills a lock file right after making
// it, so one still empty after this long was left by a game killed in between.
constexpr qint64 kEmptyLockGraceMs = 1000;
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

// JSON text for any value, escaped as QJsonDocument escapes it.
QByteArray compactJson(const QJsonValue& value)
{
    const QByteArray array = QJsonDocument(QJsonArray {value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// Keys and names are nearly always printable ASCII: quoted directly, without building a
// document for each; anything else goes through QJsonDocument's own escaping.
QByteArray compactJson(const QString& text)
{
    QByteArray quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return compactJson(QJsonValue(text));
        if (c == u'"' || c == u'\\')
            quoted += '\\';
        quoted += static_cast<char>(c.unicode());
    }
    return quoted + '"';
}

QByteArray charsOf(auto value, auto... format)
{
    char text[400];
    const auto end = std::to_chars(std::begin(text), std::end(text), value, format...).ptr;
    return QByteArray(text, static_cast<qsizetype>(end - text));
}

// Numbers that are not whole keep a decimal point or an exponent, so they read back as they
// were written; a float gets the fewest digits that read back (through a double) as itself.
QByteArray numberText(double value)
{
    if (!std::isfinite(value))
        return "null";
    QByteArray text = charsOf(value);
    if (!text.contains('.') && !text.contains('e'))
        text += ".0";
    return text;
}

QByteArray numberText(float value)
{
    if (!std::isfinite(value))
        return "null";
    QByteArray text = charsOf(value, std::chars_format::fixed);
    if (!text.contains('.'))
        text += ".0";
    return static_cast<float>(text.toDouble()) == value ? text : numberText(static_cast<double>(value));
}

QByteArray scalarText(const StoreScalar& scalar)
{
    return std::visit(
        [](const auto& v) -> QByteArray {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, QString>)
                return compactJson(v);
            else if constexpr (std::is_same_v<T, int64_t>)
                return QByteArray::number(static_cast<qlonglong>(v));
            else
                return numberText(v);
        },
        scalar);
}

QByteArray valueText(const StoreValue& value)
{
    const auto* dictionary = std::get_if<StoreDictionary>(&value);
    if (!dictionary)
        return std::visit(
            [](const auto& v) -> QByteArray {
                if constexpr (std::is_same_v<std::decay_t<decltype(v)>, StoreDictionary>)
                    return {};
                else
                    return scalarText(v);
            },
            value);
    if (dictionary->empty())
        return "{}";
    // A lone entry named like a type would read back as that type: it keeps the older form.
    if (dictionary->size() == 1 && kTypeNames.contains(dictionary->begin()->first)) {
        const auto& [key, scalar] = *dictionary->begin();
        const QByteArray inner = std::holds_alternative<QString>(scalar) ? "{\"string\": " + scalarText(scalar) + "}"
            : std::holds_alternative<int64_t>(scalar)                    ? "{\"int64\": \"" + scalarText(scalar) + "\"}"
                                                                          : "{\"float\": " + scalarText(scalar) + "}";
        return "{\"dictionary\": {" + compactJson(key) + ": " + inner + "}}";
    }
    QByteArray text = "{\n";
    for (const auto& [key, scalar] : *dictionary)
        text += "        " + compactJson(key) + ": " + scalarText(scalar) + ",\n";
    text.chop(2);
    return text + "\n    }";
}

// An entry to write: a value to encode, or the text another save wrote, to keep as it is.
using Entry = std::variant<StoreValue, QByteArray>;

// Known entries in plain form; the rest exactly as they were found.
QByteArray documentText(const std::map<QString, Entry>& entries)
{
    if (entries.empty())
        return "{}\n";
    QByteArray text = "{\n";
    for (const auto& [key, entry] : entries) {
        const auto* value = std::get_if<StoreValue>(&entry);
        text += "    " + compactJson(key) + ": " + (value ? valueText(*value) : std::get<QByteArray>(entry)) + ",\n";
    }
    text.chop(2);
    return text + "\n}\n";
}

// The text of each top-level member's value as it stands in `bytes`, a JSON object that
// parses. Once parsed, 0.0 and 0 are the same number; kept as text, an entry this save does
// not change keeps the decimal point and the digits it was written with.
std::map<QString, QByteArray> memberTexts(const QByteArray& bytes)
{
    std::map<QString, QByteArray> texts;
    qsizetype i = bytes.indexOf('{') + 1;
    const auto skipSpace = [&] {
        while (i < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[i])))
            ++i;
    };
    const auto skipString = [&] {
        for (++i; i < bytes.size() && bytes[i] != '"'; ++i)
            i += bytes[i] == '\\' ? 1 : 0;
        ++i;
    };
    for (;;) {
        skipSpace();
        if (i >= bytes.size() || bytes[i] != '"')
            break;
        const qsizetype keyStart = i;
        skipString();
        const QString key = QJsonDocument::fromJson("[" + bytes.mid(keyStart, i - keyStart) + "]").array().at(0).toString();
        skipSpace();
        ++i; // the colon
        skipSpace();
        const qsizetype valueStart = i;
        for (int depth = 0; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c == '"') {
                skipString();
                --i;
            } else if (c == '{' || c == '[') {
                ++depth;
            } else if ((c == '}' || c == ']') && depth-- == 0) {
                break;
            } else if (c == ',' && depth == 0) {
                break;
            }
        }
        texts[key] = bytes.mid(valueStart, i - valueStart).trimmed();
        if (i >= bytes.size() || bytes[i] != ',')
            break;
        ++i;
    }
    return texts;
}

// An entry in the older, typed form, or a record holding typed values: rewritten plain.
bool isTypedForm(const QJsonValue& value)
{
    if (!value.isObject())
        return false;
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

// Waits for the lock; an empty lock file past its grace, or one whose holder is gone (which
// QLockFile itself sees), is taken at once.
bool takeLock(QLockFile& lock)
{
    const QDeadlineTimer deadline(kLockTimeoutMs);
    for (;;) {
        if (lock.tryLock(0))
            return true;
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        qint64 pid = 0;
        QString host, application;
        const QDateTime made = QFileInfo(lock.fileName()).lastModified();
        if (!lock.getLockInfo(&pid, &host, &application) && made.msecsTo(QDateTime::currentDateTime()) > kEmptyLockGraceMs)
            lock.removeStaleLockFile();
        else if (lock.tryLock(50))
            return true;
    }
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
    std::map<QString, Entry> entries;
    for (const auto& [key, value] : document)
        entries.emplace(key, value);
    return documentText(entries);
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
    QFile file(m_filePath);
    if (!file.exists())
        return {};
    // Opening a FIFO would wait for a writer that never comes; a device could be endless.
    const bool isRegular = QFileInfo(m_filePath).isFile();
    QByteArray bytes;
    if (isRegular && file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        reportOnce(QStringLiteral("The saved statistics in %1 cannot be read (%2); they are left as they are and play goes on without saving.\n")
                       .arg(shown, isRegular ? file.errorString() : QStringLiteral("not a regular file")));
        return {{}, {}, false};
    }
    file.close();
    if (const auto object = parseObject(bytes))
        return {*object, bytes, true};
    const QString aside = m_filePath + QStringLiteral(".corrupt-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
    if (!QFile::rename(m_filePath, aside)) {
        reportOnce(QStringLiteral("The saved statistics in %1 could not be read, nor moved aside; they are left as they are and play goes on without saving.\n")
                       .arg(shown));
        return {{}, {}, false};
    }
    reportProblem(QStringLiteral("The saved statistics in %1 could not be read; they were moved to %2 and play goes on with none.\n")
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

// Every step of the write is checked (QSaveFile's commit alone reports success when its
// buffered write failed), and on any failure the old document stays whole.
bool UserDefaultsStore::edit(const std::function<Changes(const StoreDocument& stored)>& changes)
{
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QLockFile lock(m_filePath + QStringLiteral(".lock"));
    bool isWritten = false;
    Read read;
    if (takeLock(lock) && (read = readDocument()).isWritable) {
        removeLeftoverTemporaries(m_filePath);
        StoreDocument stored;
        std::map<QString, Entry> entries;
        const std::map<QString, QByteArray> texts = memberTexts(read.bytes);
        for (auto entry = read.document.begin(); entry != read.document.end(); ++entry) {
            const auto [value, isWhole] = decode(entry.value());
            if (value)
                stored.emplace(entry.key(), *value);
            const auto text = texts.find(entry.key());
            if ((isWhole && isTypedForm(entry.value())) || text == texts.end())
                entries.emplace(entry.key(), isWhole ? Entry(*value) : Entry(compactJson(entry.value())));
            else
                entries.emplace(entry.key(), text->second);
        }
        for (auto& [key, value] : changes(stored))
            entries.insert_or_assign(key, std::move(value));
        // What the lock let us read is what is on disk: a write that would change nothing is skipped.
        const QByteArray text = documentText(entries);
        if (text == read.bytes)
            return true;
        QSaveFile file(m_filePath);
        if (file.open(QIODevice::WriteOnly)) {
            if (file.write(text) != text.size() || !file.flush())
                file.cancelWriting();
            isWritten = file.commit();
        }
    }
    if (!isWritten && read.isWritable)
        reportOnce(QStringLiteral("The statistics cannot be saved in %1; play goes on without saving.\n")
                       .arg(QDir::toNativeSeparators(m_filePath)));
    return isWritten;
}
