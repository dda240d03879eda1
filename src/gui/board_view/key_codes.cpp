// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/key_codes.h"

#include <QKeyEvent>

int gameKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Tab:
        return kTabKeyCode;
    case Qt::Key_Backspace:
        return kDeleteKeyCode;
    default:
        return kNoKeyCode;
    }
}

bool leavesToShortcuts(const QKeyEvent* event)
{
    const bool isEditingKey = event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)
        || event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)
        || event->matches(QKeySequence::SelectAll);
    return event->modifiers() & Qt::ControlModifier && !isEditingKey;
}
