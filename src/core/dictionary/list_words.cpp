// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/list_words.h"

#include <QFile>

#include <algorithm>
#include <string_view>

namespace {

// A six-letter lower-case word as a number that sorts as the word does.
std::optional<uint32_t> packed(std::string_view word)
{
    if (word.size() != 6)
        return std::nullopt;
    uint32_t key = 0;
    for (const char c : word) {
        if (c < 'a' || c > 'z')
            return std::nullopt;
        key = key << 5 | static_cast<uint32_t>(c - 'a');
    }
    return key;
}

std::optional<PartOfSpeech> partOfSpeechNamed(std::string_view name)
{
    for (const PartOfSpeech pos : kWordNetPartsOfSpeech) {
        if (partOfSpeechName(pos) == name)
            return pos;
    }
    return std::nullopt;
}

// "<base", "~base", "+rest", ">form" or "-": how make-word-lists found the parts of speech.
// Told as the word's origin in plain words where it has a base; which list held it means
// nothing to a player.
std::string originOf(std::string_view word, std::string_view how)
{
    const std::string rest(how.substr(how.empty() ? 0 : 1));
    if (how.starts_with('<'))
        return "a form of " + rest;
    if (how.starts_with('~'))
        return "made from " + rest;
    if (how.starts_with('+') && word.ends_with(rest))
        return "made from " + std::string(word.substr(0, word.size() - rest.size())) + "- and " + rest;
    return {};
}

// The six-letter words that start the lines of `text`, packed and sorted.
std::vector<uint32_t> packedFirstWords(std::string_view text)
{
    std::vector<uint32_t> keys;
    while (!text.empty()) {
        const std::string_view line = text.substr(0, text.find('\n'));
        if (const auto key = packed(line.substr(0, line.find(' '))))
            keys.push_back(*key);
        text.remove_prefix(std::min(line.size() + 1, text.size()));
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

} // namespace

bool ListWords::open(const QString& wordsPath)
{
    if (!m_file.open(wordsPath))
        return false;
    m_sixLetterWords = packedFirstWords(m_file.contents());
    return true;
}

bool ListWords::openNames(const QString& namesPath)
{
    QFile names(namesPath);
    if (!names.open(QIODevice::ReadOnly))
        return false;
    const QByteArray namesText = names.readAll();
    m_names = packedFirstWords(std::string_view(namesText.constData(), static_cast<size_t>(namesText.size())));
    return true;
}

bool ListWords::holdsAsName(std::string_view word) const
{
    const auto key = packed(word);
    return key && std::binary_search(m_names.begin(), m_names.end(), *key);
}

std::optional<ListWords::Entry> ListWords::find(const std::string& word) const
{
    if (!m_file.isOpen() || word.empty() || word.find(' ') != std::string::npos)
        return std::nullopt;
    if (const auto key = packed(word); key && !std::binary_search(m_sixLetterWords.begin(), m_sixLetterWords.end(), *key))
        return std::nullopt;
    const std::optional<std::string_view> line = m_file.find(word);
    if (!line)
        return std::nullopt;
    std::string_view fields = line->substr(word.size());
    const auto nextField = [&fields] {
        fields.remove_prefix(std::min(fields.find_first_not_of(' '), fields.size()));
        const size_t end = std::min(fields.find(' '), fields.size());
        const std::string_view field = fields.substr(0, end);
        fields.remove_prefix(end);
        return field;
    };
    std::string_view parts = nextField();
    Entry entry;
    entry.origin = originOf(word, nextField());
    while (!parts.empty()) {
        const size_t comma = std::min(parts.find(','), parts.size());
        if (const auto pos = partOfSpeechNamed(parts.substr(0, comma)))
            entry.partsOfSpeech.push_back(*pos);
        parts.remove_prefix(std::min(comma + 1, parts.size()));
    }
    return entry;
}
