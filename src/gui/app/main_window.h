// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/app/app_log.h"

#include <QFont>
#include <QMainWindow>

#include <memory>

class BoardKeeper;
class QLabel;
class QWidget;

// A main window built from the form, at its fixed size at the zoom, with none of its controls bound.
std::unique_ptr<QMainWindow> loadMainWindow();

// Controls are found by name, so any window made from the form binds alike; the signals
// are pointers to members, so a misspelt one does not compile, where a string-based
// connection would only warn at run time and leave the button dead.
template <typename Source, typename... Args, typename Receiver>
void bindAction(Receiver* receiver, QMainWindow* window, const char* name, void (Source::*signal)(Args...),
                void (Receiver::*action)(QObject*))
{
    auto* source = window->findChild<Source*>(QLatin1String(name));
    if (!source) {
        qCWarning(lcApp, "The window has no control named '%s'; its action stays unbound.", name);
        return;
    }
    QObject::connect(source, signal, receiver, [receiver, source, action] { (receiver->*action)(source); });
}

QFont consoleFont();

// Shows the player's statistics, nine lines, in `field`.
void showStatsText(QLabel* field, const QString& text);

// Takes the board's cells off the window, which hides them too, before a new board is dealt.
void takeBoardOffWindow();

// Tells `keeper` of every letter typed into, or taken from, a blank cell of the board shown.
void watchBoardCells(BoardKeeper* keeper);
