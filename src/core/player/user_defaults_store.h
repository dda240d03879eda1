// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

// A stored number comes back as a whole number (int64_t) or, when it is not whole or does not
// fit, a finite double; which kind a key wants is its reader's to decide. A member of a
// dictionary that is neither text nor a number (an object, null, true) comes back as a NaN
// double, so its reader knows the key is there. float is for writing only: it is written in
// the fewest digits that read back as the same float.
using StoreScalar = std::variant<QString, int64_t, double, float>;
using StoreDictionary = std::map<QString, StoreScalar>;
using StoreValue = std::variant<QString, int64_t, double, float, StoreDictionary>;

using StoreDocument = std::map<QString, StoreValue>;

// The document's bytes as keys and values; nothing when they are not a JSON object. Both the
// plain form ({"LastUser": "ada", "ada": {"totalScores": 17}}) and the older typed form
// ({"LastUser": {"string": "ada"}, "ada": {"dictionary": {"totalScores": {"int64": 17}}}})
// are read. Values of a shape the store does not write are left out.
std::optional<StoreDocument> decodeStoreDocument(const QByteArray& bytes);
// Plain JSON, indented as QJsonDocument writes it; whole numbers in full, past 2^53 too.
QByteArray encodeStoreDocument(const StoreDocument& document);

// A small key-value store in one JSON document that a person can read. Every write is on
// disk when it returns and replaces the document atomically, so a crash or a full disk leaves
// the old document or the new one, never a torn one. A write takes a lock, reads the document
// afresh and replaces only its own keys, so two running games never drop each other's keys.
// A document that does not parse is moved aside and the store starts empty; one that exists
// but cannot be read is never written over. Each problem is reported once; nothing is fatal.
class UserDefaultsStore {
    Q_DECLARE_TR_FUNCTIONS(UserDefaultsStore)

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
    // A write that would change nothing is not made. True when the values are on disk.
    bool setObjects(const std::vector<std::pair<QString, StoreValue>>& values);

    // Under the lock, hands `change` the value stored under `key` now and stores what it
    // returns there, with `alsoSet`, in one write, so no other game can write in between.
    // True when that is on disk; false (and `change` may not have run) when the document
    // cannot be read or written.
    using Change = std::function<StoreValue(const std::optional<StoreValue>& stored)>;
    bool updateObject(const QString& key, const Change& change,
                      const std::vector<std::pair<QString, StoreValue>>& alsoSet = {});

private:
    struct Read;
    Read readDocument();
    using Changes = std::vector<std::pair<QString, StoreValue>>;
    // Takes the lock, reads the document, and writes it with the values `changes` gives.
    bool edit(const std::function<Changes(const StoreDocument& stored)>& changes);
    void reportOnce(const QString& message);

    QString m_filePath;
    bool m_hasReported = false;
};
