// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/announcement.h"

#include "window/window_handle.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>

namespace {

const char kAnnouncedProperty[] = "sixfoldAnnounced";
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

// Keeps the news on the focused control too, for a reader that asks it again.
void describeFocused(const QString& text)
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused)
        return;
    // The part announced before is dropped, so repeated checks do not pile up.
    QString own = focused->accessibleDescription();
    const QString announced = focused->property(kAnnouncedProperty).toString();
    if (!announced.isEmpty() && own.endsWith(announced))
        own.chop(announced.size());
    const QString separator = own.isEmpty() ? QString() : own.endsWith(u'.') ? QStringLiteral(" ") : QStringLiteral(". ");
    focused->setProperty(kAnnouncedProperty, separator + text);
    focused->setAccessibleDescription(own + separator + text);
}

} // namespace

void announce(const QString& text)
{
    if (text.isEmpty())
        return;
    describeFocused(text);
    notify(text);
}
