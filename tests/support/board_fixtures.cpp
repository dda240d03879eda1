#include "support/board_fixtures.h"

#include "cells/my_text_field.h"
#include "grid/grid.h"
#include "words/word_list.h"

#include <cstring>

namespace {

constexpr int kUsedRows = 9;
constexpr int kUsedColumns = 16;

template <typename CellCharacter>
std::vector<std::string> boardRows(CellCharacter characterOf)
{
    std::vector<std::string> rows;
    for (int32_t y = 0; y < kUsedRows; ++y) {
        std::string row;
        for (int32_t x = 0; x < kUsedColumns; ++x)
            row += characterOf(gGrid[x][y]);
        rows.push_back(row);
    }
    return rows;
}

} // namespace

void useWordList(std::initializer_list<const char*> words)
{
    int row = 1;
    for (const char* word : words)
        std::strncpy(gSixWords[row++], word, kSixWordRowSize - 1);
    gSixListMax = row;
}

PuzzleWords puzzleOf(std::initializer_list<const char*> words, int32_t vowelIndex, int32_t word2Cross,
                     int32_t word4Cross)
{
    PuzzleWords puzzle;
    int i = 0;
    for (const char* word : words)
        std::strncpy(puzzle.words[i++].data(), word, 31);
    puzzle.vowelIndex = vowelIndex;
    puzzle.word2Cross = word2Cross;
    puzzle.word4Cross = word4Cross;
    return puzzle;
}

PuzzleWords workedExample()
{
    return puzzleOf({"garden", "anchor", "chosen", "normal", "silver"}, 1, 1, 2);
}

std::vector<std::string> solutionRows()
{
    return boardRows([](const GridCell& cell) { return cell.solutionLetter ? cell.solutionLetter : '.'; });
}

std::vector<std::string> cellKindRows()
{
    return boardRows([](const GridCell& cell) {
        if (!cell.field)
            return '.';
        return cell.editable ? 'I' : 'F';
    });
}

myTextField* fieldAt(int32_t x, int32_t y)
{
    return qobject_cast<myTextField*>(gGrid[x][y].field.get());
}
