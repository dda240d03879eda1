// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/cell_accessible.h"

#include "gui/board_view/my_text_field.h"

#include <QAccessible>
#include <QPointer>

namespace {

// The toolkit's interface class for a line edit is not public, so this one wraps it and
// corrects three things a screen reader gets wrong in a cell:
// - The toolkit tells it that a read-only line edit (a fixed cell) is editable. A fixed
//   cell offers no editing: no editable-text interface, no new value.
// - It answers the run of text attributes at any offset with an empty run, and Orca, which
//   splits a line by those runs to pick a voice for each, then speaks no letter at all.
//   One run spans the whole letter.
// - The letter is selected when the cell takes the focus, so that typing replaces it; a
//   reader would say "selected" on every cell. That selection is for the eye only.
// Everything else, the text a reader reads and brailles above all, is the toolkit's own.
class CellAccessible : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    CellAccessible(QAccessibleInterface* lineEdit, bool isFixed)
        : m_lineEdit(lineEdit)
        , m_lineEditId(QAccessible::uniqueId(lineEdit))
        , m_field(lineEdit->object())
        , m_isFixed(isFixed)
    {
    }

    // The wrapped interface sits in the toolkit's cache under its own id and goes with this
    // one, unless the cache, emptied at exit, has deleted it first.
    ~CellAccessible() override
    {
        if (QAccessible::accessibleInterface(m_lineEditId) == m_lineEdit)
            QAccessible::deleteAccessibleInterface(m_lineEditId);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = m_lineEdit->state();
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
        return m_lineEdit->interface_cast(type);
    }

    void setText(QAccessible::Text what, const QString& text) override
    {
        if (what != QAccessible::Value || !m_isFixed)
            m_lineEdit->setText(what, text);
    }

    bool isValid() const override { return m_lineEdit->isValid(); }
    QObject* object() const override { return m_field; }
    QWindow* window() const override { return m_lineEdit->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return m_lineEdit->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return m_lineEdit->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return m_lineEdit->childAt(x, y); }
    QAccessibleInterface* parent() const override { return m_lineEdit->parent(); }
    QAccessibleInterface* child(int index) const override { return m_lineEdit->child(index); }
    int childCount() const override { return m_lineEdit->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override { return m_lineEdit->indexOfChild(child); }
    QString text(QAccessible::Text what) const override { return m_lineEdit->text(what); }
    QRect rect() const override { return m_lineEdit->rect(); }
    QAccessible::Role role() const override { return m_lineEdit->role(); }
    QColor foregroundColor() const override { return m_lineEdit->foregroundColor(); }
    QColor backgroundColor() const override { return m_lineEdit->backgroundColor(); }

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
    QAccessibleTextInterface* textOf() const { return m_lineEdit->textInterface(); }

    QAccessibleInterface* m_lineEdit;
    QAccessible::Id m_lineEditId;
    QPointer<QObject> m_field;
    bool m_isFixed;
};

// Set while the toolkit makes the interface to wrap, so that it makes its own.
bool g_isMakingLineEditInterface = false;

} // namespace

QAccessibleInterface* accessibleCell(const QString& className, QObject* object)
{
    auto* field = className == QLatin1String("myTextField") ? static_cast<myTextField*>(object) : nullptr;
    if (!field || g_isMakingLineEditInterface)
        return nullptr;
    g_isMakingLineEditInterface = true;
    QAccessibleInterface* lineEdit = QAccessible::queryAccessibleInterface(field);
    g_isMakingLineEditInterface = false;
    return lineEdit ? new CellAccessible(lineEdit, field->isReadOnly()) : nullptr;
}
