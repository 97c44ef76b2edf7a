#include "RunningZq22.h"

#include "Zq22Run.h"

#include <QTest>

#include <csignal>

namespace {
constexpr int StartMs = 10000;
constexpr int PollMs = 10;
} // namespace

RunningZq22::~RunningZq22()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

bool RunningZq22::start(const QStringList& arguments)
{
    m_process.start(Zq22Run::program(), arguments);
    return m_process.waitForStarted(StartMs);
}

bool RunningZq22::waitForError(const QString& text, int timeoutMs)
{
    return QTest::qWaitFor(
        [&] {
            m_process.waitForReadyRead(PollMs);
            takeError();
            return m_err.contains(text);
        },
        timeoutMs);
}

void RunningZq22::interrupt()
{
    ::kill(static_cast<pid_t>(m_process.processId()), SIGINT);
}

void RunningZq22::terminate()
{
    ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
}

bool RunningZq22::waitForEnd(int timeoutMs)
{
    // A wait on another process runs the event loop, in which this one may have ended already.
    const bool ended = m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
    if (!ended) {
        m_process.kill();
        m_process.waitForFinished();
    }
    takeError();
    return ended;
}

void RunningZq22::takeError()
{
    m_err += QString::fromUtf8(m_process.readAllStandardError());
}
