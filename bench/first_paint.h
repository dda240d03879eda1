// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>

// Once `widget` has been painted for the first time, reports on standard error the CPU time
// the process has spent since it started (user and system, dynamic loading included) as
// "cpu-us N" and its peak memory as "peak-rss-kb N", then quits the application. Both are
// read when the frame holding that paint is done, before anything is torn down.
class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget* widget) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, qApp, [] {
                rusage usage {};
                getrusage(RUSAGE_SELF, &usage);
                const long long cpuMicroseconds = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL
                                                  + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
                std::fprintf(stderr, "cpu-us %lld\npeak-rss-kb %ld\n", cpuMicroseconds, usage.ru_maxrss);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};
