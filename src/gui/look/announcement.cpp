// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/look/announcement.h"

#include "gui/look/window_handle.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace {

const QString kAnnouncerName = QStringLiteral("announcer");

// The announcer is a notification to a screen reader: shown, it is spoken.
QAccessibleInterface* accessibleAnnouncer(const QString& className, QObject* object)
{
    if (className != QLatin1String("QLabel") || object->objectName() != kAnnouncerName)
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

// Whether the announcer was put up during this turn of the event loop: news told in one turn
// (a check's new best word and its score) is one utterance, not a queue of labels a reader
// would find gone before it asks their names.
bool g_turnOpen = false;

// When a box just answered (Submit's question) hands the focus back, the window is made active
// again only after the turn, and a reader clears what it had queued as the window changes: the
// notification would go with it. So one that comes while its window is shown but not active
// waits for the window's activation; should none come (a desktop without a window manager),
// a second is long enough for the box to have gone.
class ShownOnActivation : public QObject {
public:
    explicit ShownOnActivation(QLabel* announcer)
        : QObject(announcer)
        , m_announcer(announcer)
    {
        announcer->window()->installEventFilter(this);
        QTimer::singleShot(1000, this, [this] { showAnnouncer(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate)
            QTimer::singleShot(0, this, [this] { showAnnouncer(); });
        return QObject::eventFilter(watched, event);
    }

private:
    void showAnnouncer()
    {
        m_announcer->window()->removeEventFilter(this);
        m_announcer->show();
        deleteLater();
    }

    QLabel* m_announcer;
};

void showWhenActive(QLabel* announcer)
{
    const QWidget* window = announcer->window();
    if (!window->isVisible() || window->isActiveWindow())
        announcer->show();
    else
        new ShownOnActivation(announcer);
}

// Shows `text` as a notification: a label of one transparent pixel in the window's corner.
// Each turn's news is a new label, since a reader keeps the name it read of an object, and
// Qt's name-changed event does not carry the new one. Within a turn the label takes the
// further news too. It appears once the turn is over, after the focus moves the turn made
// (a new board's): a reader drops a notification that came before a change of focus.
void notify(const QString& text)
{
    QWidget* host = gWindow ? gWindow->centralWidget() : nullptr;
    if (!host)
        return;
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleAnnouncer), true);
    Q_UNUSED(factoryInstalled);
    auto* shown = host->findChild<QLabel*>(kAnnouncerName, Qt::FindDirectChildrenOnly);
    if (shown && g_turnOpen) {
        shown->setAccessibleName(shown->accessibleName() + u' ' + text);
        return;
    }
    delete shown;
    auto* announcer = new QLabel(host);
    announcer->setObjectName(kAnnouncerName);
    announcer->setGeometry(0, 0, 1, 1);
    announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
    announcer->setAccessibleName(text);
    announcer->hide();
    g_turnOpen = true;
    QTimer::singleShot(0, qApp, [] { g_turnOpen = false; });
    QTimer::singleShot(0, announcer, [announcer] { showWhenActive(announcer); });
}

} // namespace

void announce(const QString& text)
{
    if (!text.isEmpty())
        notify(text);
}
