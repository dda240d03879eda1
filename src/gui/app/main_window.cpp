// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/main_window.h"

#include "core/game/board_keeper.h"
#include "gui/board_view/grid.h"
#include "gui/look/deferred_icons.h"
#include "gui/look/named_font.h"
#include "gui/look/zoom.h"
#include "ui_MainWindow.h"

#include <QLabel>
#include <QLineEdit>

std::unique_ptr<QMainWindow> loadMainWindow()
{
    deferExtensionButtonIcons(); // before the form builds its menu bar
    auto window = std::make_unique<QMainWindow>();
    Ui::MainWindow form;
    form.setupUi(window.get());
    zoomWindow(window.get(), windowZoom()); // which fixes its size
    return window;
}

QFont consoleFont()
{
    return namedFont(QStringLiteral("Monaco"), 14.0, QFont::Monospace);
}

// A label's accessible name hides its text from a screen reader, so the nine lines are
// its description as well.
void showStatsText(QLabel* field, const QString& text)
{
    setZoomedFont(field, namedFont(QStringLiteral("Geneva"), 14.0, QFont::SansSerif));
    field->setText(text);
    field->setAccessibleDescription(text);
}

void takeBoardOffWindow()
{
    for (const auto& column : gGrid) {
        for (const GridCell& cell : column) {
            if (cell.field)
                cell.field->setParent(nullptr);
        }
    }
}

void watchBoardCells(BoardKeeper* keeper)
{
    for (const auto& column : gGrid) {
        for (const GridCell& cell : column) {
            if (cell.field && cell.editable)
                QObject::connect(cell.field.get(), &QLineEdit::textChanged, keeper, &BoardKeeper::boardChanged, Qt::UniqueConnection);
        }
    }
}
