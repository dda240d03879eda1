#pragma once

#include "board/word_selection.h"
#include "cells/my_text_field.h"
#include "grid/grid.h"
#include "support/core_resets.h"

#include <QMainWindow>
#include <QWidget>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace fixtures {

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

} // namespace fixtures

// Five words and their crossing indexes as the selection would have drawn them.
inline PuzzleWords puzzleOf(std::initializer_list<const char*> words, int32_t vowelIndex, int32_t word2Cross,
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

// garden, anchor, chosen, normal, silver: crossing at 1, 1 and 2.
inline PuzzleWords workedExample()
{
    return puzzleOf({"garden", "anchor", "chosen", "normal", "silver"}, 1, 1, 2);
}

// The board's rows 0..8 over columns 0..15, one character a cell: the computer's letter,
// or '.' at an empty position.
inline std::vector<std::string> solutionRows()
{
    return fixtures::boardRows([](const GridCell& cell) { return cell.solutionLetter ? cell.solutionLetter : '.'; });
}

// The same rows showing each cell's kind: 'I' input, 'F' fixed, '.' empty.
inline std::vector<std::string> cellKindRows()
{
    return fixtures::boardRows([](const GridCell& cell) {
        if (!cell.field)
            return '.';
        return cell.editable ? 'I' : 'F';
    });
}

// The field of the board cell at (x, y), or null.
inline myTextField* fieldAt(int32_t x, int32_t y)
{
    return qobject_cast<myTextField*>(gGrid[x][y].field.get());
}

// A main window with an empty central widget, where a board is laid out as on the game's own.
class BoardWindow {
public:
    BoardWindow() { m_window->setCentralWidget(new QWidget); }
    QMainWindow* window() const { return m_window.get(); }

private:
    std::unique_ptr<QMainWindow> m_window = std::make_unique<QMainWindow>();
};
