// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/quit_on_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array kQuitSignals = {SIGINT, SIGTERM, SIGHUP};

// Read by the handler, so it is a plain integer set before any handler is installed.
volatile sig_atomic_t g_writeEnd = -1;
struct sigaction g_previous[kQuitSignals.size()];

void onQuitSignal(int signal)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signal);
    // A full socket already holds a pending quit; dropping this byte loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

QuitOnSignals::QuitOnSignals(QObject* parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, m_sockets) != 0) {
        m_sockets[0] = m_sockets[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(m_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitOnSignals::readSignal);
    g_writeEnd = m_sockets[0];

    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kQuitSignals.size(); ++i) {
        ::sigaction(kQuitSignals[i], nullptr, &g_previous[i]);
        // A game started to outlive its terminal (nohup) keeps hang-ups ignored.
        if (kQuitSignals[i] != SIGHUP || g_previous[i].sa_handler != SIG_IGN)
            ::sigaction(kQuitSignals[i], &action, nullptr);
    }
}

QuitOnSignals::~QuitOnSignals()
{
    if (m_sockets[0] < 0)
        return;
    for (size_t i = 0; i < kQuitSignals.size(); ++i)
        ::sigaction(kQuitSignals[i], &g_previous[i], nullptr);
    g_writeEnd = -1;
    ::close(m_sockets[0]);
    ::close(m_sockets[1]);
}

void QuitOnSignals::readSignal()
{
    unsigned char pending[16];
    while (::read(m_sockets[1], pending, sizeof pending) > 0) {
    }
    QCoreApplication::quit();
}
