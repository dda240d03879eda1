// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/word_view.h"

#include "core/round/game_model.h"
#include "core/round/slot_words.h"
#include "gui/board_view/grid.h"
#include "gui/board_view/key_codes.h"
#include "gui/look/announcement.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A menu item's text as a button's: its ellipsis goes, its mnemonic stays.
QString buttonText(const QAction* action)
{
    QString text = action->text();
    text.remove(u'\u2026');
    return text;
}

} // namespace

WordView::WordView(QMainWindow* window, const QList<QAction*>& offered)
    : QDialog(window)
    , m_window(window)
{
    setObjectName(QStringLiteral("wordView"));
    setWindowTitle(tr("Words"));
    setModal(false);
    const QString howTo = tr("Type a word for a slot and press Return; Up and Down move between the slots, Escape goes back to the board.");
    auto* intro = new QLabel(howTo);
    intro->setWordWrap(true);
    auto* rows = new QGridLayout;
    for (int slot = 0; slot < kWordCount; ++slot) {
        auto* reading = new QLabel;
        auto* entry = new QLineEdit;
        entry->setObjectName(QStringLiteral("wordEntry%1").arg(slot + 1));
        entry->setPlaceholderText(tr("Type the word"));
        entry->setMinimumWidth(entry->fontMetrics().horizontalAdvance(entry->placeholderText() + u' ') + 16);
        entry->installEventFilter(this);
        // A field tells of its caret's first move, even one to where it stands, and Orca then
        // reads the empty field's line ("blank") as the focus reaches it, not its name: the
        // first move is made here, while nobody listens.
        entry->home(false);
        reading->setBuddy(entry);
        connect(entry, &QLineEdit::returnPressed, this, [this, slot] { enterWord(slot); });
        rows->addWidget(reading, slot, 0);
        rows->addWidget(entry, slot, 1);
        m_readings[slot] = reading;
        m_entries[slot] = entry;
    }
    rows->setColumnStretch(0, 1);
    m_said = new QLabel;
    m_said->setObjectName(QStringLiteral("wordViewSaid"));
    m_said->setWordWrap(true);
    m_said->setTextFormat(Qt::PlainText);
    auto* buttons = new QHBoxLayout;
    const auto addButton = [this, buttons](const QString& text, const QString& key, auto clicked) {
        auto* button = new QPushButton(text);
        button->setAutoDefault(false); // Return enters a word, never presses a button
        button->setAccessibleDescription(key);
        connect(button, &QPushButton::clicked, this, clicked);
        buttons->addWidget(button);
    };
    for (QAction* action : offered) {
        if (action)
            addButton(buttonText(action), action->shortcut().toString(QKeySequence::NativeText), [action] { action->trigger(); });
    }
    buttons->addStretch();
    addButton(tr("Back to the Board"), tr("Escape", "the key that goes back to the board"), &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(rows);
    layout->addWidget(m_said);
    layout->addLayout(buttons);
    // The window's shortcuts reach its actions from here while this is the active window.
    for (QAction* action : window->findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty())
            addAction(action);
    }
    connect(this, &QDialog::finished, this, &WordView::returnToBoard);
    // A new board changes every row at once, beside the board's own cells: the rows follow
    // once, when the change is over, and not at all while the list is closed, so that a screen
    // reader is not flooded with changes and drops the round's news among them. What was said
    // of the last word typed here is old news once the board changes otherwise.
    gameModel().setSlotsListener([this] {
        if (!m_filling)
            m_said->clear();
        if (isVisible() && !m_refreshPending) {
            m_refreshPending = true;
            QTimer::singleShot(0, this, &WordView::refresh);
        }
    });
}

// Gone with its window, whose focus it must not touch then.
WordView::~WordView()
{
    disconnect(this, &QDialog::finished, this, &WordView::returnToBoard);
    gameModel().setSlotsListener({});
}

void WordView::present()
{
    refresh();
    // Over the console, the first time, so that the board stays in sight beside the list.
    if (!isVisible() && !m_placed) {
        adjustSize();
        move(m_window->mapToGlobal(QPoint(16, m_window->height() - height() - 16)));
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
    m_entries[m_lastSlot]->setFocus(Qt::OtherFocusReason);
}

// Each row reads as it is heard: the field is named by its slot's reading (the focused one when
// it next takes the focus). Only what changed is set, since a reader is told of every name set,
// changed or not.
void WordView::refresh()
{
    m_refreshPending = false;
    const std::optional<BoardState>& board = gameModel().board();
    const bool hasBoard = board.has_value();
    // A new board puts the focus on its first row, as it does on the board's first cell, so
    // that a screen reader reads the row, and what was just said of the round, at once.
    const std::array<PlacedWord, kWordCount> words = hasBoard ? board->words : std::array<PlacedWord, kWordCount> {};
    if (words != m_words && isActiveWindow()) {
        m_entries[0]->clearFocus();
        m_entries[0]->setFocus(Qt::OtherFocusReason);
    }
    m_words = words;
    for (int slot = 0; slot < kWordCount; ++slot) {
        const QString reading = slotReading(gameModel(), slot);
        QLineEdit* entry = m_entries[slot];
        entry->setEnabled(hasBoard);
        if (reading == m_readings[slot]->text())
            continue;
        m_readings[slot]->setText(reading);
        if (!entry->hasFocus())
            entry->setAccessibleName(reading);
        const QString description = hasBoard ? tr("A word of %1 letters for %2; Return puts it on the board.").arg(kWordLength).arg(slotName(*gameModel().board(), slot))
                                             : QString();
        if (!entry->accessibleDescription().startsWith(description))
            entry->setAccessibleDescription(description);
    }
}

// A word that fits goes into the cells as if typed there, so that the board, its keeper and
// the points shown all follow; one that does not leaves everything as it was, its reason said.
void WordView::enterWord(int slot)
{
    m_lastSlot = slot;
    QLineEdit* entry = m_entries[slot];
    const SlotFill fill = fillSlot(gameModel(), slot, entry->text());
    if (!fill.refusal.isEmpty()) {
        tellReader(fill.refusal);
        entry->selectAll();
        return;
    }
    m_filling = true;
    for (const auto& [cell, letter] : fill.letters) {
        if (QLineEdit* field = gGrid[cell.x][cell.y].field.get())
            field->setText(letter);
    }
    m_filling = false;
    entry->clear();
    tellReader(slotReading(gameModel(), slot));
}

void WordView::tellReader(const QString& text)
{
    m_said->setText(text);
    announce(text);
}

bool WordView::eventFilter(QObject* watched, QEvent* event)
{
    const auto* entry = qobject_cast<QLineEdit*>(watched);
    const int slot = entry ? static_cast<int>(std::find(m_entries.begin(), m_entries.end(), entry) - m_entries.begin()) : kWordCount;
    if (slot == kWordCount)
        return QDialog::eventFilter(watched, event);
    // The focused field is renamed only as it takes the focus, before a screen reader hears
    // of it: Orca (43, over Qt 6.4's bridge) can stop answering when the object it is on is
    // renamed, and the new reading is announced anyway.
    if (event->type() == QEvent::FocusIn) {
        m_lastSlot = slot;
        if (const QString reading = slotReading(gameModel(), slot); reading != entry->accessibleName())
            m_entries[slot]->setAccessibleName(reading);
    }
    if (event->type() == QEvent::ShortcutOverride && leavesToShortcuts(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int step = key->modifiers() != Qt::NoModifier ? 0 : key->key() == Qt::Key_Down ? 1 : key->key() == Qt::Key_Up ? -1 : 0;
        if (step && slot + step >= 0 && slot + step < kWordCount) {
            m_entries[slot + step]->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Back on the first cell of the slot last typed for, which names its word as it takes the focus.
void WordView::returnToBoard()
{
    const std::optional<BoardState>& board = gameModel().board();
    QLineEdit* cell = board ? gGrid[board->words[m_lastSlot].place.start.x][board->words[m_lastSlot].place.start.y].field.get() : nullptr;
    m_window->activateWindow();
    if (cell)
        cell->setFocus(Qt::OtherFocusReason);
}
