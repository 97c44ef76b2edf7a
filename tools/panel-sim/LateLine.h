#pragma once

#include "PanelLine.h"
#include "TickClock.h"

#include <QByteArray>

#include <deque>
#include <memory>

// A panel slow to answer: everything it sends leaves the given time after it
// was sent, in the order it was sent. What it hears still arrives at once.
class LateLine final : public PanelLine {
public:
    LateLine(PanelLine& line, TickClock& clock, Ticks::Duration lateness);

    void send(const QByteArray& bytes) override;
    void hangUp() override;

private:
    struct Held {
        Ticks::Duration due;
        QByteArray bytes;
    };

    void sendDue();
    void armForNext();

    PanelLine& m_line;
    TickClock& m_clock;
    Ticks::Duration m_lateness;
    std::deque<Held> m_held;
    std::unique_ptr<TickTimer> m_timer;
};
