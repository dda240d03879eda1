// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/fixed_cell_accessible.h"

#include "gui/board_view/my_text_field.h"

#include <QAccessible>
#include <QPointer>

namespace {

// The toolkit tells a screen reader that a read-only line edit is editable. Its interface
// class is not public, so this one wraps it and corrects that one state; everything else,
// the text interface a reader reads and brailles the letter through above all, is the
// toolkit's own. A fixed cell offers no editing: no editable-text interface, no new value.
class FixedCellAccessible : public QAccessibleInterface {
public:
    explicit FixedCellAccessible(QAccessibleInterface* lineEdit)
        : m_lineEdit(lineEdit)
        , m_lineEditId(QAccessible::uniqueId(lineEdit))
        , m_field(lineEdit->object())
    {
    }

    // The wrapped interface sits in the toolkit's cache under its own id and goes with this
    // one, unless the cache, emptied at exit, has deleted it first.
    ~FixedCellAccessible() override
    {
        if (QAccessible::accessibleInterface(m_lineEditId) == m_lineEdit)
            QAccessible::deleteAccessibleInterface(m_lineEditId);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = m_lineEdit->state();
        state.readOnly = true;
        state.editable = false;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::EditableTextInterface ? nullptr : m_lineEdit->interface_cast(type);
    }

    void setText(QAccessible::Text what, const QString& text) override
    {
        if (what != QAccessible::Value)
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

private:
    QAccessibleInterface* m_lineEdit;
    QAccessible::Id m_lineEditId;
    QPointer<QObject> m_field;
};

// Set while the toolkit makes the interface to wrap, so that it makes its own.
bool g_isMakingLineEditInterface = false;

} // namespace

QAccessibleInterface* accessibleFixedCell(const QString& className, QObject* object)
{
    auto* field = className == QLatin1String("myTextField") ? static_cast<myTextField*>(object) : nullptr;
    if (!field || !field->isReadOnly() || g_isMakingLineEditInterface)
        return nullptr;
    g_isMakingLineEditInterface = true;
    QAccessibleInterface* lineEdit = QAccessible::queryAccessibleInterface(field);
    g_isMakingLineEditInterface = false;
    return lineEdit ? new FixedCellAccessible(lineEdit) : nullptr;
}
