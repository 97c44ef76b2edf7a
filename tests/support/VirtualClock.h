#pragma once

#include "TickClock.h"

#include <map>
#include <memory>

// Time that moves only when a test (or a wait inside the code under test) moves
// it. Due timers fire in order of their deadlines, each at its own moment, so a
// two-minute wait runs in microseconds.
class VirtualClock final : public TickClock {
public:
    VirtualClock();
    ~VirtualClock() override;

    Ticks::Duration now() const override { return m_now; }
    std::unique_ptr<TickTimer> createTimer(Mode mode, std::function<void()> onTimeout) override;
    // Moves time on, firing what falls due, until the duration has passed or stop() holds.
    void delay(Ticks::Duration duration, const std::function<bool()>& stop) override;

    void advance(Ticks::Duration duration);
    void advanceTicks(int ticks) { advance(Ticks::ticks(ticks)); }
    // Moves on to the next deadline and fires it; false when no timer runs.
    bool fireNext();
    int activeTimers() const;

    struct Entry;

private:
    friend class VirtualTimer;
    void moveTo(Ticks::Duration target, const std::function<bool()>& stop);
    Entry* earliest(Ticks::Duration notAfter) const;
    void fire(Entry* entry);

    Ticks::Duration m_now{0};
    std::shared_ptr<std::map<int, Entry*>> m_timers;
    int m_nextId = 0;
    long m_order = 0;
};
