// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/look/announcement.h"

#include "gui/look/window_handle.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QPointer>

namespace {

const QString kAnnouncerName = QStringLiteral("announcer");

// The announcer is a notification to a screen reader: shown, it is spoken.
QAccessibleInterface* accessibleAnnouncer(const QString& className, QObject* object)
{
    if (className != QLatin1String("QLabel") || object->objectName() != kAnnouncerName)
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

// Shows `text` as a notification: a label of one transparent pixel in the window's corner.
// Each text is a new label, since a reader keeps the name it read of an object, and Qt's
// name-changed event does not carry the new one.
void notify(const QString& text)
{
    QWidget* host = gWindow ? gWindow->centralWidget() : nullptr;
    if (!host)
        return;
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleAnnouncer), true);
    Q_UNUSED(factoryInstalled);
    delete host->findChild<QLabel*>(kAnnouncerName, Qt::FindDirectChildrenOnly);
    auto* announcer = new QLabel(host);
    announcer->setObjectName(kAnnouncerName);
    announcer->setGeometry(0, 0, 1, 1);
    announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
    announcer->setAccessibleName(text);
    announcer->show();
}

// Keeps the news on the focused control too, for a reader that asks it again. Only the
// latest news is kept, on one control: what was added before is taken off again first.
QPointer<QWidget> g_described;
QString g_added;

void describeFocused(const QString& text)
{
    if (g_described) {
        QString before = g_described->accessibleDescription();
        if (before.endsWith(g_added)) {
            before.chop(g_added.size());
            g_described->setAccessibleDescription(before);
        }
    }
    QWidget* focused = QApplication::focusWidget();
    g_described = focused;
    if (!focused)
        return;
    const QString own = focused->accessibleDescription();
    const QString separator = own.isEmpty() ? QString() : own.endsWith(u'.') ? QStringLiteral(" ") : QStringLiteral(". ");
    g_added = separator + text;
    focused->setAccessibleDescription(own + g_added);
}

} // namespace

void announce(const QString& text)
{
    if (text.isEmpty())
        return;
    describeFocused(text);
    notify(text);
}
