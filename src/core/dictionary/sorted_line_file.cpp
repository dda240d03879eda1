// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/sorted_line_file.h"

#include <cstring>

namespace {

std::string_view firstWord(std::string_view line)
{
    return line.substr(0, line.find(' '));
}

} // namespace

bool SortedLineFile::open(const QString& path)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly) || file->size() == 0)
        return false;
    uchar* data = file->map(0, file->size());
    if (!data)
        return false;
    m_data = reinterpret_cast<const char*>(data);
    m_size = static_cast<size_t>(file->size());
    m_file = std::move(file);
    return true;
}

size_t SortedLineFile::lineEnd(size_t start) const
{
    const void* newline = std::memchr(m_data + start, '\n', m_size - start);
    return newline ? static_cast<size_t>(static_cast<const char*>(newline) - m_data) : m_size;
}

// Binary search over byte offsets: `low` and `high` always sit at line starts, and the
// probe steps back from the middle to the start of the line it fell into.
std::optional<std::string_view> SortedLineFile::find(std::string_view key) const
{
    if (!m_data || key.empty())
        return std::nullopt;
    size_t low = 0;
    size_t high = m_size;
    while (low < high) {
        size_t start = low + (high - low) / 2;
        while (start > low && m_data[start - 1] != '\n')
            --start;
        const size_t end = lineEnd(start);
        const std::string_view line(m_data + start, end - start);
        const int order = firstWord(line).compare(key);
        if (order == 0)
            return line;
        if (order <= 0)
            low = end + 1;
        else
            high = start;
    }
    return std::nullopt;
}

std::string_view SortedLineFile::lineAt(qint64 offset) const
{
    if (!m_data || offset < 0 || static_cast<size_t>(offset) >= m_size)
        return {};
    const auto start = static_cast<size_t>(offset);
    return std::string_view(m_data + start, lineEnd(start) - start);
}
