// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/shortcut_help.h"

#include <QCoreApplication>
#include <QKeySequence>

namespace {

struct Shortcut {
    QString key;
    const char* does;
};

} // namespace

QKeySequence preferencesShortcut()
{
    const QList<QKeySequence> bindings = QKeySequence::keyBindings(QKeySequence::Preferences);
    return bindings.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Comma) : bindings.first();
}

QString keyboardShortcutsText()
{
    const Shortcut shortcuts[] = {
        {QStringLiteral("a letter"), "fills the cell and moves on along the word"},
        {QStringLiteral("Backspace"), "empties the cell and steps back"},
        {QStringLiteral("Tab"), "moves on along the word; elsewhere, on to the next control"},
        {QStringLiteral("Shift+Tab"), "back to the control before: the way out of the board"},
        {QStringLiteral("arrow keys"), "jump to the nearest cell in that direction"},
        {QStringLiteral("Ctrl+K"), "Check All Words"},
        {QStringLiteral("Ctrl+Return"), "Submit"},
        {QStringLiteral("Ctrl+W"), "Words: the board as a list of its words, each read aloud and typed whole"},
        {QStringLiteral("Ctrl+N"), "New Puzzle"},
        {QStringLiteral("Ctrl+D"), "Daily Board: today's board, the same for everyone"},
        {QStringLiteral("Ctrl+R"), "Resume Previous Board (again: back to the board before)"},
        {QStringLiteral("Ctrl+E"), "Round Review: the last round slot by slot, and the best words each slot allowed"},
        {QStringLiteral("Ctrl+H"), "Statistics: the history of your rounds"},
        {preferencesShortcut().toString(QKeySequence::NativeText), "Preferences"},
        {QStringLiteral("Return in the word field"), "Check Word"},
        {QStringLiteral("Return in the name field"), "Change User"},
        {QStringLiteral("Escape"), "closes the Words, Statistics, Preferences or help window"},
        {QStringLiteral("Ctrl+Q"), "Quit"},
    };
    QString rows;
    for (const Shortcut& shortcut : shortcuts) {
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(shortcut.key.toHtmlEscaped(), QCoreApplication::translate("Shortcuts", shortcut.does));
    }
    return QStringLiteral("<table cellspacing=\"4\">%1</table>").arg(rows);
}
