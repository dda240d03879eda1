// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QPointer>

// The board's owning reference to a cell's text field. The window's content view holds
// the field as its Qt parent too; when the window goes first, the field is seen here as
// null, so however the two let go, the field is deleted exactly once.
class OwnedField {
public:
    OwnedField() = default;
    OwnedField(const OwnedField&) = delete;
    OwnedField& operator=(const OwnedField&) = delete;
    ~OwnedField() { reset(); }

    // Deletes the field held before, if it still exists, and holds `field` instead.
    void reset(QLineEdit* field = nullptr)
    {
        delete m_field.data();
        m_field = field;
    }

    QLineEdit* get() const { return m_field.data(); }
    QLineEdit* operator->() const { return get(); }
    explicit operator bool() const { return !m_field.isNull(); }

private:
    QPointer<QLineEdit> m_field;
};
