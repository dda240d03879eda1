// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/cell_accessible.h"

#include "gui/board_view/my_text_field.h"
#include "gui/look/forwarding_accessible.h"

#include <QAccessible>

namespace {

// Corrects three things a screen reader gets wrong in a cell, the toolkit's line edit wrapped:
// - The toolkit tells it that a read-only line edit (a fixed cell) is editable. A fixed
//   cell offers no editing: no editable-text interface, no new value.
// - It answers the run of text attributes at any offset with an empty run, and Orca, which
//   splits a line by those runs to pick a voice for each, then speaks no letter at all.
//   One run spans the whole letter.
// - The letter is selected when the cell takes the focus, so that typing replaces it; a
//   reader would say "selected" on every cell. That selection is for the eye only.
// Everything else, the text a reader reads and brailles above all, is the toolkit's own.
class CellAccessible : public ForwardingAccessible, public QAccessibleTextInterface {
public:
    CellAccessible(QAccessibleInterface* lineEdit, bool isFixed)
        : ForwardingAccessible(lineEdit)
        , m_isFixed(isFixed)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = wrapped()->state();
        if (m_isFixed) {
            state.readOnly = true;
            state.editable = false;
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return textOf() ? static_cast<QAccessibleTextInterface*>(this) : nullptr;
        if (type == QAccessible::EditableTextInterface && m_isFixed)
            return nullptr;
        return wrapped()->interface_cast(type);
    }

    void setText(QAccessible::Text what, const QString& text) override
    {
        if (what != QAccessible::Value || !m_isFixed)
            wrapped()->setText(what, text);
    }
    using ForwardingAccessible::text;

    // The text interface.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int startOffset, int endOffset) override { textOf()->addSelection(startOffset, endOffset); }
    void removeSelection(int selectionIndex) override { textOf()->removeSelection(selectionIndex); }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        textOf()->setSelection(selectionIndex, startOffset, endOffset);
    }
    int cursorPosition() const override { return textOf()->cursorPosition(); }
    void setCursorPosition(int position) override { textOf()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override { return textOf()->text(startOffset, endOffset); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset, int* endOffset) const override
    {
        return textOf()->textBeforeOffset(offset, type, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset, int* endOffset) const override
    {
        return textOf()->textAfterOffset(offset, type, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset, int* endOffset) const override
    {
        return textOf()->textAtOffset(offset, type, startOffset, endOffset);
    }
    int characterCount() const override { return textOf()->characterCount(); }
    QRect characterRect(int offset) const override { return textOf()->characterRect(offset); }
    int offsetAtPoint(const QPoint& point) const override { return textOf()->offsetAtPoint(point); }
    void scrollToSubstring(int startIndex, int endIndex) override { textOf()->scrollToSubstring(startIndex, endIndex); }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QAccessibleTextInterface* textOf() const { return wrapped()->textInterface(); }

    bool m_isFixed;
};

} // namespace

QAccessibleInterface* accessibleCell(const QString& className, QObject* object)
{
    auto* field = className == QLatin1String("myTextField") ? static_cast<myTextField*>(object) : nullptr;
    if (!field || isMakingToolkitInterface())
        return nullptr;
    QAccessibleInterface* lineEdit = toolkitInterface(field);
    return lineEdit ? new CellAccessible(lineEdit, field->isReadOnly()) : nullptr;
}
