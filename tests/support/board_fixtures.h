#pragma once

#include "board/word_selection.h"

#include <initializer_list>
#include <string>
#include <vector>

class myTextField;

// Makes `words` the word list, in order from row 1.
void useWordList(std::initializer_list<const char*> words);

// Five words and their crossing indexes as the selection would have drawn them.
PuzzleWords puzzleOf(std::initializer_list<const char*> words, int32_t vowelIndex, int32_t word2Cross,
                     int32_t word4Cross);

// garden, anchor, chosen, normal, silver: crossing at 1, 1 and 2.
PuzzleWords workedExample();

// The board's rows 0..8 over columns 0..15, one character a cell: the computer's letter,
// or '.' at an empty position.
std::vector<std::string> solutionRows();

// The same rows showing each cell's kind: 'I' input, 'F' fixed, '.' empty.
std::vector<std::string> cellKindRows();

// The field of the board cell at (x, y), or null.
myTextField* fieldAt(int32_t x, int32_t y);
