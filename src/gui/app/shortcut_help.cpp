// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/shortcut_help.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QStringList>
#include <QWidget>

namespace {

// Every key the game answers, once. A row that names an action takes its key from that action
// (the form gives it, or the platform for Preferences), so the help and the tooltips show the
// key the action answers to; a row that names a control gives it a tooltip naming the key,
// with the words of `does` before any colon. The words are marked for translation here and
// translated where they are shown.
struct KeyRow {
    const char* key;     // a key no action holds
    const char* action;  // or the action whose key it is
    const char* control; // the control told of the key, if any
    const char* does;
};

constexpr KeyRow kKeys[] = {
    //: Any letter key, typed into a cell of the board.
    {QT_TRANSLATE_NOOP("Shortcuts", "a letter"), nullptr, nullptr, QT_TRANSLATE_NOOP("Shortcuts", "fills the cell and moves on along the word")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Backspace"), nullptr, nullptr, QT_TRANSLATE_NOOP("Shortcuts", "empties the cell and steps back")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Tab"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Shortcuts", "moves on along the word; from its last cell, to the next word's first empty cell, and after the last word on to "
                       "Check All Words; elsewhere, on to the next control")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Shift+Tab"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Shortcuts", "to the previous word's first empty cell, and from the first word out of the board; elsewhere, back to the "
                       "control before")},
    {QT_TRANSLATE_NOOP("Shortcuts", "arrow keys"), nullptr, nullptr, QT_TRANSLATE_NOOP("Shortcuts", "jump to the nearest cell in that direction")},
    {nullptr, "actionCheckAllWords", "checkAllWordsButton", QT_TRANSLATE_NOOP("Shortcuts", "Check All Words")},
    {nullptr, "actionSubmit", "submitButton", QT_TRANSLATE_NOOP("Shortcuts", "Submit")},
    {nullptr, "actionWords", nullptr, QT_TRANSLATE_NOOP("Shortcuts", "Words: the board as a list of its words, each read aloud and typed whole")},
    {nullptr, "actionHint", nullptr, QT_TRANSLATE_NOOP("Shortcuts", "Hint: one letter of a common word for the word the cursor is in")},
    {nullptr, "actionNewPuzzle", "newPuzzleButton", QT_TRANSLATE_NOOP("Shortcuts", "New Puzzle")},
    {nullptr, "actionDailyBoard", nullptr, QT_TRANSLATE_NOOP("Shortcuts", "Daily Board: today's board, the same for everyone")},
    {nullptr, "actionResume", nullptr, QT_TRANSLATE_NOOP("Shortcuts", "Resume Previous Board (again: back to the board before)")},
    {nullptr, "actionRoundReview", nullptr,
     QT_TRANSLATE_NOOP("Shortcuts", "Round Review: the last round slot by slot, and the best words each slot allowed")},
    {nullptr, "actionStatistics", nullptr, QT_TRANSLATE_NOOP("Shortcuts", "Statistics: the history of your rounds")},
    {nullptr, "actionPreferences", nullptr, QT_TRANSLATE_NOOP("Shortcuts", "Preferences")},
    {nullptr, "actionZoomIn", nullptr, QT_TRANSLATE_NOOP("Shortcuts", "Zoom In: the whole window larger, up to 200 %")},
    {nullptr, "actionZoomOut", nullptr, QT_TRANSLATE_NOOP("Shortcuts", "Zoom Out")},
    {nullptr, "actionActualSize", nullptr, QT_TRANSLATE_NOOP("Shortcuts", "Actual Size")},
    //: The words before the colon are the word field's name in its tooltip.
    {nullptr, "actionLookUpWord", "theWord", QT_TRANSLATE_NOOP("Shortcuts", "Look Up a Word: to the word field")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Return in the word field"), nullptr, "checkWordButton", QT_TRANSLATE_NOOP("Shortcuts", "Check Word")},
    //: The words before the colon are the name field's name in its tooltip.
    {nullptr, "actionChangePlayer", "newUserName", QT_TRANSLATE_NOOP("Shortcuts", "Change Player: to the name field")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Return in the name field"), nullptr, "changeUserButton", QT_TRANSLATE_NOOP("Shortcuts", "Change User")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Escape"), nullptr, nullptr, QT_TRANSLATE_NOOP("Shortcuts", "closes the Words, Statistics, Preferences or help window")},
    {nullptr, "actionHowToPlay", nullptr, QT_TRANSLATE_NOOP("Shortcuts", "How to Play: the goal and the rules")},
    {nullptr, "actionQuit", nullptr, QT_TRANSLATE_NOOP("Shortcuts", "Quit")},
};

// The keys of `row` as the player reads them; none where `window` has no such action.
QStringList keysOf(const KeyRow& row, const QWidget* window)
{
    if (row.key)
        return {QCoreApplication::translate("Shortcuts", row.key)};
    const auto* action = window ? window->findChild<QAction*>(QLatin1String(row.action)) : nullptr;
    QStringList keys;
    for (const QKeySequence& key : action ? action->shortcuts() : QList<QKeySequence>())
        keys << key.toString(QKeySequence::NativeText);
    return keys;
}

QString orWord()
{
    //: Between two keys that do the same, spaces included.
    return QCoreApplication::translate("Shortcuts", " or ");
}

} // namespace

QKeySequence preferencesShortcut()
{
    const QList<QKeySequence> bindings = QKeySequence::keyBindings(QKeySequence::Preferences);
    return bindings.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Comma) : bindings.first();
}

QString keyboardShortcutsText(const QWidget* window)
{
    QString rows;
    for (const KeyRow& row : kKeys) {
        QStringList keys = keysOf(row, window);
        for (QString& key : keys)
            key = QStringLiteral("<b>%1</b>").arg(key.toHtmlEscaped());
        if (!keys.isEmpty()) {
            rows += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                        .arg(keys.join(orWord()), QCoreApplication::translate("Shortcuts", row.does).toHtmlEscaped());
        }
    }
    return QStringLiteral("<table cellspacing=\"4\">%1</table>").arg(rows);
}

void nameShortcutsInTooltips(QWidget* window)
{
    for (const KeyRow& row : kKeys) {
        auto* control = row.control ? window->findChild<QWidget*>(QLatin1String(row.control)) : nullptr;
        const QString key = keysOf(row, window).join(orWord());
        if (control && !key.isEmpty()) {
            const QString name = QCoreApplication::translate("Shortcuts", row.does).section(u':', 0, 0).trimmed(); // French spaces its colon
            //: A control's tooltip: %1 is its name, %2 its key.
            control->setToolTip(QCoreApplication::translate("Shortcuts", "%1 (%2)").arg(name, key));
        }
    }
}
