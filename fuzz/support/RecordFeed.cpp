#include "RecordFeed.h"

RecordFeed::RecordFeed(const std::uint8_t* data, std::size_t size, TickClock& clock, Handler handler)
    : m_data(data)
    , m_size(size)
    , m_handler(std::move(handler))
    , m_timer(clock.createTimer(TickClock::Mode::SingleShot, [this] { next(); }))
{
}

void RecordFeed::start()
{
    m_timer->start(Ticks::Duration::zero());
}

void RecordFeed::next()
{
    if (m_size - m_pos < 2 || m_size - m_pos - 2 < m_data[m_pos + 1]) {
        m_done = true;
        return;
    }
    const std::uint8_t kind = m_data[m_pos];
    const QByteArray payload(reinterpret_cast<const char*>(m_data + m_pos + 2), m_data[m_pos + 1]);
    m_pos += 2 + payload.size();
    if (kind == Pause) {
        const int ticks = payload.isEmpty() ? 1 : 1 + 2 * static_cast<std::uint8_t>(payload[0]);
        m_timer->start(Ticks::ticks(ticks));
        return;
    }
    // Armed before the handler runs, so a wait inside it receives what follows.
    m_timer->start(Ticks::Duration::zero());
    m_handler(kind, payload);
}
