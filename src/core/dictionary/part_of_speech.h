// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

enum class PartOfSpeech { Noun, Verb, Adjective, Adverb };

inline constexpr std::array kWordNetPartsOfSpeech {
    PartOfSpeech::Noun, PartOfSpeech::Verb, PartOfSpeech::Adjective, PartOfSpeech::Adverb};

// How a definition names the part of speech: "noun", "verb", "adjective", "adverb".
std::string_view partOfSpeechName(PartOfSpeech pos);

// How WordNet's file names name it: index.adj, adj.exc, data.adj.
std::string_view wordNetFileSuffix(PartOfSpeech pos);
