// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>

// Quits the application once `widget` has been painted for the first time, and reports the
// process's peak memory on standard error as "peak-rss-kb N".
class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget* widget) { widget->installEventFilter(this); }

    ~QuitAfterFirstPaint() override
    {
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        std::fprintf(stderr, "peak-rss-kb %ld\n", usage.ru_maxrss);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};
