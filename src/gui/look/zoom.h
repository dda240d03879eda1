// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>

class QMainWindow;
class QWidget;

// The main window's zoom, in percent of the size its form and its board are laid out at: 100
// until the window is zoomed. Every control on the window's content view is placed from its
// rectangle at 100 %, scaled by the zoom; a control whose text would be cut (a larger desktop
// font) widens the window at its right edge, shifting what lies right of it.
int windowZoom();

// A length at 100 %, in pixels at the zoom.
qreal zoomed(qreal atActualSize);

// Places `widget` at `atActualSize`, a rectangle in the content view at 100 %, wherever it is
// shown at the zoom; a later zoom places it again. A control the code adds to the window after
// it shows goes through here (and setZoomedFont, for a font of its own), or it stays as placed.
// A control on another control of the content view (a cell on the board's panel) is placed
// by the same reckoning, so that it shows where it would on the content view itself.
void placeZoomed(QWidget* widget, const QRect& atActualSize);

// Where `widget` stands at 100 %: as placed by placeZoomed or taken by zoomWindow, else where it is.
QRect geometryAt100(const QWidget* widget);

// Gives `widget` `font` with its size at 100 %, scaled to the zoom; a later zoom scales the
// size again and keeps whatever else the widget's font has become (a struck-out letter).
void setZoomedFont(QWidget* widget, const QFont& atActualSize);

// Zooms `window` to `percent`: every direct child of its content view, its font, its label
// margin, and what placeZoomed put on such a child; the menu bar's font; then widens what would cut its text and fixes the window's
// size to hold it all. A child on the content view before the window first shows is taken as
// it stands to be at 100 %; one added after is zoomed only if placed through placeZoomed.
void zoomWindow(QMainWindow* window, int percent);
