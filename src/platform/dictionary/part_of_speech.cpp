#include "platform/dictionary/part_of_speech.h"

std::string_view partOfSpeechName(PartOfSpeech pos)
{
    switch (pos) {
    case PartOfSpeech::Noun:
        return "noun";
    case PartOfSpeech::Verb:
        return "verb";
    case PartOfSpeech::Adjective:
        return "adjective";
    case PartOfSpeech::Adverb:
        return "adverb";
    }
    return {};
}
