// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/part_of_speech.h"

#include <string>
#include <string_view>
#include <vector>

// The base forms WordNet's rules of detachment suggest for an inflected `word` (lower case),
// in rule order; none for adverbs. Candidates are not checked against the index here. As
// in WordNet's own library, a noun ending in "ss" gets no candidates: glass is not glas + s.
// Stricter than that library, a verb's "es" comes off only after s, x, z, ch, sh or o, and
// -ed, -ing, -er and -est do not come off a word of one vowel and a final consonant, which
// would have doubled it.
std::vector<std::string> detachmentCandidates(std::string_view word, PartOfSpeech pos);
