#pragma once

#include <chrono>
#include <functional>
#include <memory>

// The only source of time and timers. The link counts in ticks of 55 ms; the
// window's interval timers count in milliseconds; both meet here.
namespace Ticks {
using Duration = std::chrono::milliseconds;
constexpr Duration TickLength{55};
constexpr Duration ticks(int count) { return TickLength * count; }
// s seconds are s * 1675 / 92 ticks, rounded down.
constexpr int fromSeconds(int seconds) { return seconds * 1675 / 92; }
static_assert(fromSeconds(2) == 36 && fromSeconds(5) == 91 && fromSeconds(10) == 182 && fromSeconds(20) == 364);
} // namespace Ticks

class TickTimer {
public:
    virtual ~TickTimer() = default;
    // Starting a running timer restarts it.
    virtual void start(Ticks::Duration interval) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

class TickClock {
public:
    enum class Mode { SingleShot, Repeating };

    virtual ~TickClock() = default;

    virtual Ticks::Duration now() const = 0;
    virtual std::unique_ptr<TickTimer> createTimer(Mode mode, std::function<void()> onTimeout) = 0;
    // Waits while events go on being handled; returns early once stop() holds.
    virtual void delay(Ticks::Duration duration, const std::function<bool()>& stop) = 0;
};
