#include "VirtualClock.h"

#include <algorithm>

struct VirtualClock::Entry {
    TickClock::Mode mode;
    std::function<void()> onTimeout;
    bool active = false;
    Ticks::Duration interval{0};
    Ticks::Duration due{0};
    long order = 0; // timers due at the same moment fire in the order they were started
};

class VirtualTimer final : public TickTimer {
public:
    VirtualTimer(VirtualClock& clock, int id, TickClock::Mode mode, std::function<void()> onTimeout)
        : m_clock(clock), m_timers(clock.m_timers), m_id(id), m_entry{mode, std::move(onTimeout)}
    {
        (*m_timers)[m_id] = &m_entry;
    }
    ~VirtualTimer() override { m_timers->erase(m_id); }

    void start(Ticks::Duration interval) override
    {
        m_entry.active = true;
        m_entry.interval = interval;
        m_entry.due = m_clock.now() + interval;
        m_entry.order = ++m_clock.m_order;
    }
    void stop() override { m_entry.active = false; }
    bool isActive() const override { return m_entry.active; }

private:
    VirtualClock& m_clock;
    std::shared_ptr<std::map<int, VirtualClock::Entry*>> m_timers;
    int m_id;
    VirtualClock::Entry m_entry;
};

VirtualClock::VirtualClock()
    : m_timers(std::make_shared<std::map<int, Entry*>>())
{
}

VirtualClock::~VirtualClock() = default;

std::unique_ptr<TickTimer> VirtualClock::createTimer(Mode mode, std::function<void()> onTimeout)
{
    return std::make_unique<VirtualTimer>(*this, ++m_nextId, mode, std::move(onTimeout));
}

int VirtualClock::activeTimers() const
{
    int count = 0;
    for (const auto& [id, entry] : *m_timers)
        count += entry->active ? 1 : 0;
    return count;
}

VirtualClock::Entry* VirtualClock::earliest(Ticks::Duration notAfter) const
{
    Entry* next = nullptr;
    for (const auto& [id, entry] : *m_timers) {
        if (!entry->active || entry->due > notAfter)
            continue;
        if (!next || entry->due < next->due || (entry->due == next->due && entry->order < next->order))
            next = entry;
    }
    return next;
}

void VirtualClock::fire(Entry* entry)
{
    m_now = std::max(m_now, entry->due);
    if (entry->mode == Mode::Repeating) {
        entry->due = m_now + entry->interval;
        entry->order = ++m_order;
    } else {
        entry->active = false;
    }
    // The handler may delete its own timer; keep the callback alive while it runs.
    const std::function<void()> onTimeout = entry->onTimeout;
    onTimeout();
}

bool VirtualClock::fireNext()
{
    Entry* next = earliest(Ticks::Duration::max());
    if (next)
        fire(next);
    return next != nullptr;
}

void VirtualClock::moveTo(Ticks::Duration target, const std::function<bool()>& stop)
{
    const auto stopped = [&] { return stop && stop(); };
    while (!stopped()) {
        Entry* next = earliest(target);
        if (!next) {
            m_now = std::max(m_now, target);
            return;
        }
        fire(next);
    }
}

void VirtualClock::advance(Ticks::Duration duration)
{
    moveTo(m_now + duration, {});
}

void VirtualClock::delay(Ticks::Duration duration, const std::function<bool()>& stop)
{
    moveTo(m_now + duration, stop);
}
