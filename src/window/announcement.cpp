// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/announcement.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

namespace {

const char kAnnouncedProperty[] = "sixfoldAnnounced";

} // namespace

void announce(const QString& text)
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused || text.isEmpty())
        return;
    // The part announced before is dropped, so repeated checks do not pile up.
    QString own = focused->accessibleDescription();
    const QString announced = focused->property(kAnnouncedProperty).toString();
    if (!announced.isEmpty() && own.endsWith(announced))
        own.chop(announced.size());
    const QString separator = own.isEmpty() ? QString() : own.endsWith(u'.') ? QStringLiteral(" ") : QStringLiteral(". ");
    focused->setProperty(kAnnouncedProperty, separator + text);
    focused->setAccessibleDescription(own + separator + text);
    // Sent even when the text is the same as before: the same result twice is still news.
    QAccessibleEvent changed(focused, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}
