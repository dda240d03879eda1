// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/key_codes.h"

#include <Qt>

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
