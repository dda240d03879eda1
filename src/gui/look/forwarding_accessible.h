// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

// An accessible interface that answers as the toolkit's own interface for the same object
// does, so that a subclass corrects only what a screen reader gets wrong. The toolkit's
// classes for its widgets are not public, hence a wrapper rather than a subclass. The wrapped
// interface sits in the toolkit's cache under its own id and goes with this one, unless the
// cache, emptied at exit, has deleted it first.
class ForwardingAccessible : public QAccessibleInterface {
public:
    explicit ForwardingAccessible(QAccessibleInterface* wrapped);
    ~ForwardingAccessible() override;

    bool isValid() const override { return m_wrapped->isValid(); }
    QObject* object() const override { return m_object; }
    QWindow* window() const override { return m_wrapped->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return m_wrapped->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return m_wrapped->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return m_wrapped->childAt(x, y); }
    QAccessibleInterface* parent() const override { return m_wrapped->parent(); }
    QAccessibleInterface* child(int index) const override { return m_wrapped->child(index); }
    int childCount() const override { return m_wrapped->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override { return m_wrapped->indexOfChild(child); }
    QString text(QAccessible::Text what) const override { return m_wrapped->text(what); }
    void setText(QAccessible::Text what, const QString& text) override { m_wrapped->setText(what, text); }
    QRect rect() const override { return m_wrapped->rect(); }
    QAccessible::Role role() const override { return m_wrapped->role(); }
    QAccessible::State state() const override { return m_wrapped->state(); }
    QColor foregroundColor() const override { return m_wrapped->foregroundColor(); }
    QColor backgroundColor() const override { return m_wrapped->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override { return m_wrapped->interface_cast(type); }

protected:
    QAccessibleInterface* wrapped() const { return m_wrapped; }

private:
    QAccessibleInterface* m_wrapped;
    QAccessible::Id m_wrappedId;
    QPointer<QObject> m_object;
};

// The toolkit's own interface for `object`, made past every factory installed here: each
// asks isMakingToolkitInterface() first and then makes none.
QAccessibleInterface* toolkitInterface(QObject* object);
bool isMakingToolkitInterface();

// Has every combo box with an accessible name of its own say that name, as other controls do,
// rather than its current choice (which it still gives as its value). Once is enough.
void nameComboBoxesByTheirNames();
