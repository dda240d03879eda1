// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>

#include <memory>
#include <optional>
#include <string_view>

// A text file mapped into memory whose lines are sorted by their first word (the text up to
// the first space) in byte order, as WordNet's index and exception files are. Lines that
// begin with a space (WordNet's licence header) sort first and never match.
class SortedLineFile {
public:
    // Maps the file; false when it cannot be opened or mapped.
    bool open(const QString& path);
    bool isOpen() const { return m_data != nullptr; }

    // The whole line whose first word is `key`, without its line end.
    std::optional<std::string_view> find(std::string_view key) const;

    // The whole mapped file; empty when not open.
    std::string_view contents() const { return {m_data, m_size}; }

    // The line that starts at byte `offset`; empty when the offset lies outside the file.
    std::string_view lineAt(qint64 offset) const;

private:
    size_t lineEnd(size_t start) const;

    std::unique_ptr<QFile> m_file;
    const char* m_data = nullptr;
    size_t m_size = 0;
};
