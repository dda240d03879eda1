// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the game the normal way on SIGINT, SIGTERM and SIGHUP: the event loop quits, so the
// termination handler runs and the last player is stored, as when the player quits. A
// desktop session sends SIGTERM at logout. The handler only writes the signal's number to
// a socket; the event loop reads it and quits. One instance at a time; the previous
// handlers come back when it is destroyed. A SIGHUP ignored when the game started stays
// ignored.
class QuitOnSignals : public QObject {
public:
    explicit QuitOnSignals(QObject* parent = nullptr);
    ~QuitOnSignals() override;

    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;

private:
    void readSignal();

    int m_sockets[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
};
