#pragma once

#include "TickClock.h"

// Real time, run faster: every interval and wait of the wrapped clock is cut by
// the divisor, so a test over real sockets reaches a 60-second timeout in a
// few seconds while the event loop, the sockets and the timers stay the real ones.
class CompressedClock final : public TickClock {
public:
    CompressedClock(TickClock& base, int divisor);

    Ticks::Duration now() const override;
    std::unique_ptr<TickTimer> createTimer(Mode mode, std::function<void()> onTimeout) override;
    void delay(Ticks::Duration duration, const std::function<bool()>& stop) override;

private:
    TickClock& m_base;
    int m_divisor;
};
