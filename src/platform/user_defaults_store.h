#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

using StoreScalar = std::variant<QString, int32_t, int64_t, float>;
using StoreDictionary = std::map<QString, StoreScalar>;
using StoreValue = std::variant<QString, int32_t, int64_t, float, StoreDictionary>;

using StoreDocument = std::map<QString, StoreValue>;

// The document's bytes as keys and values; nothing when they are not a JSON object. Values
// of a shape the store does not write are left out.
std::optional<StoreDocument> decodeStoreDocument(const QByteArray& bytes);
QByteArray encodeStoreDocument(const StoreDocument& document);

// A small typed key-value store in one JSON document that a person can read. Every write is
// on disk when it returns and replaces the document atomically, so a crash leaves the old
// document or the new one, never a torn one. A write takes a lock, reads the document
// afresh and replaces only its own key, so two running games never drop each other's keys.
// A document that does not parse is moved aside and the store starts empty; a folder that
// cannot be written is reported once. Problems go to the console; nothing is fatal.
class UserDefaultsStore {
public:
    explicit UserDefaultsStore(QString filePath);

    // $XDG_CONFIG_HOME/sixfold/defaults.json
    static QString standardFilePath();

    QString filePath() const { return m_filePath; }

    // The value stored under `key` now, or nothing.
    std::optional<StoreValue> objectForKey(const QString& key);

    // Stores `value` under `key`, replacing what was there whole.
    void setObject(const QString& key, const StoreValue& value);

    // Stores every value under its key in one write: all of them reach the disk, or none.
    // A write that would change nothing is not made.
    void setObjects(const std::vector<std::pair<QString, StoreValue>>& values);

private:
    QString m_filePath;
    bool m_reportedWriteFailure = false;
};
