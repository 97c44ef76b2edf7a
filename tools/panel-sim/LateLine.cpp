#include "LateLine.h"

#include <algorithm>

LateLine::LateLine(PanelLine& line, TickClock& clock, Ticks::Duration lateness)
    : m_line(line)
    , m_clock(clock)
    , m_lateness(lateness)
    , m_timer(clock.createTimer(TickClock::Mode::SingleShot, [this] { sendDue(); }))
{
}

void LateLine::send(const QByteArray& bytes)
{
    m_held.push_back({m_clock.now() + m_lateness, bytes});
    if (m_held.size() == 1)
        armForNext();
}

// A line that is gone carries nothing more, however late.
void LateLine::hangUp()
{
    m_held.clear();
    m_timer->stop();
    m_line.hangUp();
}

void LateLine::sendDue()
{
    const Ticks::Duration now = m_clock.now();
    while (!m_held.empty() && m_held.front().due <= now) {
        const QByteArray bytes = std::move(m_held.front().bytes);
        m_held.pop_front();
        m_line.send(bytes);
    }
    armForNext();
}

void LateLine::armForNext()
{
    if (m_held.empty())
        return;
    m_timer->start(std::max(Ticks::Duration::zero(), m_held.front().due - m_clock.now()));
}
