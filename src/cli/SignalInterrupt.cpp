#include "SignalInterrupt.h"

#include "ExitStatus.h"

#include <sys/socket.h>
#include <unistd.h>

namespace {

// Written by the handler, the only thing it may safely do.
int signalWriteFd = -1;

void onSignal(int signal)
{
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalWriteFd, &byte, 1);
}

} // namespace

SignalInterrupt::SignalInterrupt(std::function<void(int status)> onInterrupt)
    : m_onInterrupt(std::move(onInterrupt))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, m_fds) != 0)
        return;
    signalWriteFd = m_fds[0];
    m_notifier = std::make_unique<QSocketNotifier>(m_fds[1], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] {
        char byte = 0;
        int signal = 0;
        while (::read(m_fds[1], &byte, 1) > 0)
            signal = static_cast<unsigned char>(byte);
        if (signal != 0)
            m_onInterrupt(signal == SIGTERM ? ExitStatus::Terminated : ExitStatus::Interrupted);
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &m_previousInt);
    ::sigaction(SIGTERM, &action, &m_previousTerm);
}

SignalInterrupt::~SignalInterrupt()
{
    if (m_fds[0] < 0)
        return;
    ::sigaction(SIGINT, &m_previousInt, nullptr);
    ::sigaction(SIGTERM, &m_previousTerm, nullptr);
    signalWriteFd = -1;
    m_notifier.reset();
    ::close(m_fds[0]);
    ::close(m_fds[1]);
}
