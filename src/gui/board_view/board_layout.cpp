// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/board_layout.h"

#include "core/board/word_selection.h"
#include "gui/board_view/board_paint.h"
#include "gui/board_view/cell_look.h"
#include "gui/board_view/my_text_field.h"
#include "gui/board_view/grid.h"
#include "core/board/board_geometry.h"
#include "core/round/game_model.h"
#include "core/board/points_place.h"
#include "gui/look/named_font.h"
#include "gui/look/zoom.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPointF>
#include <QPointer>
#include <QSizeF>

#include <cctype>

namespace {

constexpr qreal kCellSize = 32;
constexpr qreal kCellPitch = 34;
constexpr qreal kBoardLeft = 32;
constexpr qreal kBoardTopFromWindowTop = 96;
// The board is placed as if the window's height counted a title bar of this height.
constexpr int kTitleBarAllowance = 28;

// Builds gGrid from a board of five chained words: the cells of each word in chain order,
// each new one an input cell, then the crossings made fixed and the typed letters shown.
class BoardBuilder {
public:
    explicit BoardBuilder(const BoardState& board)
        : m_board(board)
        , m_font(boardFont())
    {
    }

    void build()
    {
        for (int i = 0; i < kWordCount; ++i) {
            const Placement& word = m_board.words[i].place;
            const int32_t direction = word.direction == Direction::Across ? DirAcross : DirDown;
            for (int32_t k = 0; k < gWordSize; ++k) {
                const BoardCell cell = word.cell(k);
                if (!gGrid[cell.x][cell.y].field)
                    addInputCell(cell, letter(i, k), direction);
            }
            startWord(word.start, direction);
        }
        // Each crossing shows the letter of the earlier of its two words.
        const std::vector<BoardCell> crossings = crossingCells(m_board);
        for (int i = 0; i < static_cast<int>(crossings.size()); ++i)
            makeFixed(crossings[i], letter(i, m_board.words[i].place.indexOf(crossings[i])));
        for (const TypedCell& typed : m_board.typed)
            showTyped({typed.x, typed.y}, typed.letter);
    }

private:
    void addInputCell(BoardCell at, char solutionLetter, int32_t direction)
    {
        GridCell& cell = gGrid[at.x][at.y];
        cell.solutionLetter = solutionLetter;
        cell.editable = 1;
        cell.direction = direction;
        auto* field = new myTextField;
        cell.field.reset(field);
        setZoomedFont(field, m_font);
        field->setAlignment(Qt::AlignCenter);
        // The cell reports its text; the model takes the letter and the cell is painted anew.
        // (The field's text now, not the signal's: a change made while one is announced is
        // announced first.)
        QObject::connect(field, &QLineEdit::textChanged, field, [field, at] {
            gameModel().setLetter(at, field->text());
            paintCell(at);
        });
        QObject::connect(field, &myTextField::focusLeft, field, [at] { nameCell(at); });
    }

    static void makeFixed(BoardCell at, char letter)
    {
        GridCell& cell = gGrid[at.x][at.y];
        cell.shownLetter = letter;
        cell.editable = 0;
        const char shown = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
        cell.field->setText(QString::fromLatin1(&shown, 1));
        cell.field->setReadOnly(true);
    }

    // A word that begins where another already begins (only at (0, 0), when word 0 starts
    // with its vowel) makes the cell start both.
    static void startWord(BoardCell at, int32_t direction)
    {
        GridCell& cell = gGrid[at.x][at.y];
        cell.direction = cell.wordStart == 1 && cell.direction != direction ? DirBoth : direction;
        cell.wordStart = 1;
        cell.wordLength = gWordSize;
    }

    // Quietly, so that the field neither upper-cases again nor moves the focus on.
    static void showTyped(BoardCell at, const QString& letter)
    {
        const GridCell& cell = gGrid[at.x][at.y];
        if (!cell.field || !cell.editable)
            return;
        const bool wasBlocked = cell.field->blockSignals(true);
        cell.field->setText(letter);
        cell.field->blockSignals(wasBlocked);
    }

    char letter(int word, int32_t index) const { return m_board.words[word].letters.at(index).toLatin1(); }

    const BoardState& m_board;
    QFont m_font;
};

// A word's number, printed in its first cell as a crossword prints it.
void numberWordStarts(const ChainPlacements& words)
{
    for (const StartNumbers& start : wordStartNumbers(words)) {
        if (auto* field = qobject_cast<myTextField*>(gGrid[start.cell.x][start.cell.y].field.get()))
            field->setWordNumbers(start.numbers);
    }
}

// The board's frames are reckoned from the bottom left with y growing upward; this is the
// one place that turns them into Qt's top-left geometry, at 100 %.
void setFrame(QWidget* field, QPointF bottomLeftOrigin, QSizeF size, int contentHeight)
{
    const QPointF topLeft(bottomLeftOrigin.x(), contentHeight - bottomLeftOrigin.y() - size.height());
    placeZoomed(field, QRectF(topLeft, size).toRect());
}

// The board's panel holds the cells, so that a screen reader finds them within the board it
// describes; without one (a bare window) the content view does.
QWidget* cellHolder(QWidget* contentView)
{
    QWidget* panel = contentView ? contentView->findChild<QFrame*>(QStringLiteral("boardArea")) : nullptr;
    return panel ? panel : contentView;
}

void placeFields(QMainWindow* window)
{
    QWidget* contentView = window ? window->centralWidget() : nullptr;
    QWidget* holder = cellHolder(contentView);
    for (int32_t x = 0; x < gGridSize; ++x) {
        for (int32_t y = 0; y < gGridSize; ++y) {
            QLineEdit* field = gGrid[x][y].field.get();
            if (!field)
                continue;
            if (holder)
                field->setParent(holder); // first, for the frame is reckoned in the content view
            const int contentHeight = contentView ? contentView->height() : 0;
            const int windowHeight = contentView ? contentHeight + kTitleBarAllowance : 0;
            const QPointF origin(kCellPitch * x + kBoardLeft, windowHeight - (kCellPitch * y + kBoardTopFromWindowTop));
            setFrame(field, origin, QSizeF(kCellSize, kCellSize), contentHeight);
            if (holder)
                field->show();
        }
    }
}

// Small enough for the strip below the board's last row, the one place a down word that ends
// on a crossing has room, and narrow enough for the gap beside a down word's last cell.
constexpr int kPointsPixels = 10;
constexpr int kPointsHeight = 14;

QFont pointsFont(const QWidget* label)
{
    QFont font = label->font();
    font.setPixelSize(kPointsPixels);
    font.setBold(true);
    return font;
}

// As wide as the widest points any word can show.
QSize pointsLabelSize(const QWidget* contentView)
{
    return {QFontMetrics(pointsFont(contentView)).horizontalAdvance(pointsCaption(kWordCount - 1, 88)) + 1, kPointsHeight};
}

QLabel* pointsLabel(QWidget* contentView, int word)
{
    return contentView->findChild<QLabel*>(QStringLiteral("slotPoints%1").arg(word), Qt::FindDirectChildrenOnly);
}

QLabel* madePointsLabel(QWidget* contentView, int word)
{
    if (QLabel* label = pointsLabel(contentView, word))
        return label;
    auto* label = new QLabel(contentView);
    label->setObjectName(QStringLiteral("slotPoints%1").arg(word));
    label->setAlignment(Qt::AlignCenter);
    setZoomedFont(label, pointsFont(label));
    return label;
}

} // namespace

// A screen reader finds the points on the label, and on the last cell as painted. The labels
// are made once a word first has points: a board without any needs none.
void showWordPoints(QWidget* contentView)
{
    const std::optional<BoardState>& board = gameModel().board();
    auto* panel = contentView->findChild<QFrame*>(QStringLiteral("boardArea"));
    if (!board || !panel || !gGrid[0][0].field) {
        for (int i = 0; i < kWordCount; ++i) {
            if (QLabel* label = pointsLabel(contentView, i))
                label->hide();
        }
        return;
    }
    bool labelled = pointsLabel(contentView, 0) != nullptr;
    for (int i = 0; i < kWordCount; ++i)
        labelled = labelled || gameModel().pointsOf(i);
    const ChainPlacements words = placementsOf(*board);
    // Reckoned at 100 %, so that they zoom with the board.
    const CellGrid grid {geometryAt100(gGrid[0][0].field.get()).topLeft(), static_cast<int>(kCellPitch), static_cast<int>(kCellSize)};
    const std::array<QRect, kWordCount> rects = pointsRects(words, grid, pointsLabelSize(contentView), geometryAt100(panel).adjusted(1, 1, -1, -1));
    for (int i = 0; i < kWordCount; ++i) {
        const std::optional<int> points = gameModel().pointsOf(i);
        if (labelled) {
            QLabel* label = madePointsLabel(contentView, i);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, gBoardPalette.inputText);
            label->setPalette(palette);
            label->setText(points ? pointsCaption(i, *points) : QString());
            //: A word's points label as a screen reader hears it: "1 across: 8 points".
            label->setAccessibleName(points ? QCoreApplication::translate("Board", "%1: %n points", nullptr, *points).arg(wordName(words, i))
                                            : QString());
            placeZoomed(label, rects[i]);
            label->setVisible(points && !rects[i].isEmpty());
            label->raise();
        }
    }
}

void moveCellsOnto(QWidget* contentView)
{
    QWidget* holder = cellHolder(contentView);
    for (const auto& column : gGrid) {
        for (const GridCell& cell : column) {
            if (cell.field && holder) {
                cell.field->setParent(holder);
                placeZoomed(cell.field.get(), geometryAt100(cell.field.get()));
                cell.field->show();
            }
        }
    }
}

void layOutBoard(const BoardState& board, QMainWindow* window)
{
    clearBoard();
    if (!chainOf(placementsOf(board)))
        return;
    BoardBuilder(board).build();
    const ChainPlacements words = placementsOf(board);
    numberWordStarts(words);
    placeFields(window);
    // The summary is the board's name as well: a reader speaks the names of what the focus
    // enters, and no description.
    if (auto* panel = window ? window->findChild<QFrame*>(QStringLiteral("boardArea")) : nullptr) {
        const QString summary = boardSummary(board);
        //: The board's name for a screen reader, followed by what the board holds.
        panel->setAccessibleName(QCoreApplication::translate("Board", "Puzzle board. %1").arg(summary));
        panel->setAccessibleDescription(summary);
    }
    const QPointer<QWidget> contentView = window ? window->centralWidget() : nullptr;
    gameModel().setPointsListener([contentView] {
        paintBoard();
        if (contentView)
            showWordPoints(contentView);
    });
    paintBoard();
    if (window) {
        gGrid[0][0].field->setFocus(Qt::OtherFocusReason);
        showWordPoints(contentView);
    }
}

void layOutBoard(const PuzzleWords& puzzle, QMainWindow* window)
{
    gameModel().deal(wordsOf(puzzle), chainCrossings(puzzle));
    layOutBoard(*gameModel().board(), window);
}
