// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board_layout.h"

#include "board/word_selection.h"
#include "cells/cell_look.h"
#include "cells/my_text_field.h"
#include "grid/grid.h"
#include "model/board_geometry.h"
#include "model/game_model.h"
#include "window/named_font.h"

#include <QMainWindow>
#include <QPointF>
#include <QSizeF>

#include <cctype>

namespace {

const QString kCellFontFamily = QStringLiteral("Palatino");
constexpr qreal kCellFontPoints = 20.0;
constexpr qreal kCellSize = 32;
constexpr qreal kCellPitch = 34;
constexpr qreal kBoardLeft = 32;
constexpr qreal kBoardTopFromWindowTop = 96;
// The board is placed as if the window's height counted a title bar of this height.
constexpr int kTitleBarAllowance = 28;

class BoardBuilder {
public:
    explicit BoardBuilder(const PuzzleWords& puzzle)
        : m_words(puzzle.words)
        , m_font(namedFont(kCellFontFamily, kCellFontPoints, QFont::Serif))
    {
    }

    void addInputCell(int32_t x, int32_t y, char solutionLetter, int32_t direction)
    {
        GridCell& cell = gGrid[x][y];
        cell.solutionLetter = solutionLetter;
        cell.editable = 1;
        cell.direction = direction;
        auto* field = new myTextField;
        cell.field.reset(field);
        field->setFont(m_font);
        field->setAlignment(Qt::AlignCenter);
        setBackgroundColor(field, kCellBackground);
        setTextColor(field, kInputTextColour);
        field->setAccessibleName(QStringLiteral("Row %1, column %2").arg(y + 1).arg(x + 1));
    }

    void addInputCellUnlessPresent(int32_t x, int32_t y, char solutionLetter, int32_t direction)
    {
        if (!gGrid[x][y].field)
            addInputCell(x, y, solutionLetter, direction);
    }

    static void makeFixed(int32_t x, int32_t y, char letter)
    {
        GridCell& cell = gGrid[x][y];
        cell.shownLetter = letter;
        cell.editable = 0;
        const char shown = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
        cell.field->setText(QString::fromLatin1(&shown, 1));
        cell.field->setReadOnly(true);
        setTextColor(cell.field.get(), kFixedTextColour);
        cell.field->setAccessibleName(QStringLiteral("Row %1, column %2, fixed letter %3").arg(y + 1).arg(x + 1).arg(QChar(shown)));
    }

    // A word that begins where another already begins (only at (0, 0), when word 0 starts
    // with its vowel) makes the cell start both.
    static void startWord(int32_t x, int32_t y, int32_t direction)
    {
        GridCell& cell = gGrid[x][y];
        cell.direction = cell.wordStart == 1 && cell.direction != direction ? DirBoth : direction;
        cell.wordStart = 1;
        cell.wordLength = gWordSize;
    }

    char letter(int word, int32_t index) const { return m_words[word][index]; }

private:
    const std::array<std::array<char, 32>, gNumWords>& m_words;
    QFont m_font;
};

void fillBoard(const PuzzleWords& puzzle)
{
    BoardBuilder board(puzzle);
    const ChainCrossings chain = chainCrossings(puzzle);
    const ChainPlacements words = placeChain(chain);
    for (int32_t i = 0; i < gNumWords; ++i) {
        const Placement& word = words[i];
        const int32_t direction = word.direction == Direction::Across ? DirAcross : DirDown;
        for (int32_t k = 0; k < gWordSize; ++k) {
            const BoardCell cell = word.cell(k);
            board.addInputCellUnlessPresent(cell.x, cell.y, board.letter(i, k), direction);
        }
        board.startWord(word.start.x, word.start.y, direction);
    }
    // Each crossing shows the letter of the earlier of its two words.
    const auto crossings = crossingCells(chain);
    for (int32_t i = 0; i < kCrossingCount; ++i)
        board.makeFixed(crossings[i].x, crossings[i].y, board.letter(i, words[i].indexOf(crossings[i])));
}

// The board's frames are reckoned from the bottom left with y growing upward; this is the
// one place that turns them into Qt's top-left geometry.
void setFrame(QWidget* field, QPointF bottomLeftOrigin, QSizeF size, int contentHeight)
{
    const QPointF topLeft(bottomLeftOrigin.x(), contentHeight - bottomLeftOrigin.y() - size.height());
    field->setGeometry(QRectF(topLeft, size).toRect());
}

void placeFields(QMainWindow* window)
{
    QWidget* contentView = window ? window->centralWidget() : nullptr;
    for (int32_t x = 0; x < gGridSize; ++x) {
        for (int32_t y = 0; y < gGridSize; ++y) {
            QLineEdit* field = gGrid[x][y].field.get();
            if (!field)
                continue;
            const int contentHeight = contentView ? contentView->height() : 0;
            const int windowHeight = contentView ? contentHeight + kTitleBarAllowance : 0;
            const QPointF origin(kCellPitch * x + kBoardLeft, windowHeight - (kCellPitch * y + kBoardTopFromWindowTop));
            setFrame(field, origin, QSizeF(kCellSize, kCellSize), contentHeight);
            if (contentView) {
                field->setParent(contentView);
                field->show();
            }
        }
    }
}

} // namespace

void layOutBoard(const PuzzleWords& puzzle, QMainWindow* window)
{
    clearBoard();
    std::array<QString, kWordCount> words;
    for (int i = 0; i < kWordCount; ++i)
        words[i] = QString::fromLatin1(puzzle.words[i].data(), kWordLength);
    gameModel().deal(words, chainCrossings(puzzle));
    fillBoard(puzzle);
    placeFields(window);
    if (window)
        gGrid[0][0].field->setFocus(Qt::OtherFocusReason);
}
