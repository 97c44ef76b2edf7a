#pragma once

#include "TickClock.h"

#include <QByteArray>

#include <cstdint>
#include <functional>
#include <memory>

// A fuzz input read as a timeline of records, each `kind length payload`
// (one byte each for kind and length, then `length` bytes). Kind 0 is a pause:
// the next record comes 1 + 2 × (first payload byte) ticks later, 1 tick when
// the payload is empty. Every other record goes to the handler at the moment
// it is due. A record cut short by the end of the input is dropped.
//
// The records are handed out by a timer of the clock, so a handler that waits
// (a pause of the link, a message box) meets the next records inside its wait,
// as the real event loop would deliver them.
class RecordFeed {
public:
    using Handler = std::function<void(std::uint8_t kind, const QByteArray& payload)>;

    static constexpr std::uint8_t Pause = 0;

    RecordFeed(const std::uint8_t* data, std::size_t size, TickClock& clock, Handler handler);

    // The first record is due now.
    void start();
    bool done() const { return m_done; }

private:
    void next();

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    bool m_done = false;
    Handler m_handler;
    std::unique_ptr<TickTimer> m_timer;
};
