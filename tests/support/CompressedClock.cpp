#include "CompressedClock.h"

#include <algorithm>

namespace {

Ticks::Duration compressed(Ticks::Duration duration, int divisor)
{
    return std::max(Ticks::Duration(1), duration / divisor);
}

class CompressedTimer final : public TickTimer {
public:
    CompressedTimer(std::unique_ptr<TickTimer> base, int divisor)
        : m_base(std::move(base)), m_divisor(divisor)
    {
    }

    void start(Ticks::Duration interval) override { m_base->start(compressed(interval, m_divisor)); }
    void stop() override { m_base->stop(); }
    bool isActive() const override { return m_base->isActive(); }

private:
    std::unique_ptr<TickTimer> m_base;
    int m_divisor;
};

} // namespace

CompressedClock::CompressedClock(TickClock& base, int divisor)
    : m_base(base), m_divisor(divisor)
{
}

Ticks::Duration CompressedClock::now() const
{
    return m_base.now() * m_divisor;
}

std::unique_ptr<TickTimer> CompressedClock::createTimer(Mode mode, std::function<void()> onTimeout)
{
    return std::make_unique<CompressedTimer>(m_base.createTimer(mode, std::move(onTimeout)), m_divisor);
}

void CompressedClock::delay(Ticks::Duration duration, const std::function<bool()>& stop)
{
    m_base.delay(compressed(duration, m_divisor), stop);
}
