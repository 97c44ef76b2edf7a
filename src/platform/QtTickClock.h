#pragma once

#include "TickClock.h"

#include <QElapsedTimer>

class QtTickClock final : public TickClock {
public:
    QtTickClock();

    Ticks::Duration now() const override;
    std::unique_ptr<TickTimer> createTimer(Mode mode, std::function<void()> onTimeout) override;
    void delay(Ticks::Duration duration, const std::function<bool()>& stop) override;

private:
    QElapsedTimer m_elapsed;
};
