#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>
#include <signal.h>

// Ctrl+C while it lives: the signal is turned into a call on the event loop,
// where the link can end its transfer in order, instead of killing the program
// with the port open and a file half made.
class SignalInterrupt {
public:
    explicit SignalInterrupt(std::function<void()> onInterrupt);
    ~SignalInterrupt();

    SignalInterrupt(const SignalInterrupt&) = delete;
    SignalInterrupt& operator=(const SignalInterrupt&) = delete;

private:
    std::function<void()> m_onInterrupt;
    int m_fds[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
    struct sigaction m_previous = {};
};
