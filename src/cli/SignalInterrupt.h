#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>
#include <signal.h>

// Ctrl+C (SIGINT) or SIGTERM, which timeout(1) and service managers send,
// while it lives: the signal is turned into a call on the event loop, where
// the link can end its transfer in order, instead of killing the program with
// the port open, its lock file left behind and a file half made. The call is
// given the status a shell reports for the signal (130 or 143).
class SignalInterrupt {
public:
    explicit SignalInterrupt(std::function<void(int status)> onInterrupt);
    ~SignalInterrupt();

    SignalInterrupt(const SignalInterrupt&) = delete;
    SignalInterrupt& operator=(const SignalInterrupt&) = delete;

private:
    std::function<void(int status)> m_onInterrupt;
    int m_fds[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
    struct sigaction m_previousInt = {};
    struct sigaction m_previousTerm = {};
};
