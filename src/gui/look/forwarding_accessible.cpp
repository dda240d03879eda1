// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/look/forwarding_accessible.h"

#include <QComboBox>

namespace {

bool g_isMakingToolkitInterface = false;

// On this desktop the toolkit names a combo box by its current choice, as if the label
// beside it were all a reader needed; the name set on it is what the player was told to look for.
class NamedComboBox : public ForwardingAccessible {
public:
    using ForwardingAccessible::ForwardingAccessible;

    QString text(QAccessible::Text what) const override
    {
        const auto* box = qobject_cast<const QComboBox*>(object());
        if (what == QAccessible::Name && box && !box->accessibleName().isEmpty())
            return box->accessibleName();
        return ForwardingAccessible::text(what);
    }
};

QAccessibleInterface* accessibleComboBox(const QString& className, QObject* object)
{
    if (className != QLatin1String("QComboBox") || isMakingToolkitInterface())
        return nullptr;
    QAccessibleInterface* own = toolkitInterface(object);
    return own ? new NamedComboBox(own) : nullptr;
}

} // namespace

ForwardingAccessible::ForwardingAccessible(QAccessibleInterface* wrapped)
    : m_wrapped(wrapped)
    , m_wrappedId(QAccessible::uniqueId(wrapped))
    , m_object(wrapped->object())
{
}

ForwardingAccessible::~ForwardingAccessible()
{
    if (QAccessible::accessibleInterface(m_wrappedId) == m_wrapped)
        QAccessible::deleteAccessibleInterface(m_wrappedId);
}

QAccessibleInterface* toolkitInterface(QObject* object)
{
    g_isMakingToolkitInterface = true;
    QAccessibleInterface* own = QAccessible::queryAccessibleInterface(object);
    g_isMakingToolkitInterface = false;
    return own;
}

bool isMakingToolkitInterface()
{
    return g_isMakingToolkitInterface;
}

void nameComboBoxesByTheirNames()
{
    static const bool installed = (QAccessible::installFactory(accessibleComboBox), true);
    Q_UNUSED(installed);
}
