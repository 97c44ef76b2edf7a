#include "QtTickClock.h"

#include <QEventLoop>
#include <QTimer>

namespace {

// How often a wait looks at its stop condition: a flag set by a handler that
// ran inside the wait ends the wait within this time.
constexpr std::chrono::milliseconds StopPollInterval{10};

class QtTickTimer final : public TickTimer {
public:
    QtTickTimer(TickClock::Mode mode, std::function<void()> onTimeout)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setSingleShot(mode == TickClock::Mode::SingleShot);
        QObject::connect(&m_timer, &QTimer::timeout, std::move(onTimeout));
    }

    void start(Ticks::Duration interval) override { m_timer.start(interval); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

} // namespace

QtTickClock::QtTickClock()
{
    m_elapsed.start();
}

Ticks::Duration QtTickClock::now() const
{
    return Ticks::Duration(m_elapsed.elapsed());
}

std::unique_ptr<TickTimer> QtTickClock::createTimer(Mode mode, std::function<void()> onTimeout)
{
    return std::make_unique<QtTickTimer>(mode, std::move(onTimeout));
}

void QtTickClock::delay(Ticks::Duration duration, const std::function<bool()>& stop)
{
    if (stop())
        return;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (stop())
            loop.quit();
    });
    deadline.start(duration);
    poll.start(StopPollInterval);
    loop.exec();
}
