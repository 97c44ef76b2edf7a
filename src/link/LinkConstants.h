#pragma once

#include "TickClock.h"

#include <cstdint>

// Attempts, waits and sizes of the panel link, in one place.
namespace LinkConstants {

constexpr std::int32_t ConnectRetries = 29;     // 2 s apart: 60 s until the panel is given up
constexpr std::int32_t TransferRetries = 7;     // per read, and per written block
constexpr std::int32_t EndOfWriteFrames = 300;  // connect frames sent back to back after a write

constexpr int RetryTicks = Ticks::fromSeconds(2);
constexpr int ReadRequestTicks = Ticks::fromSeconds(5);
constexpr int BlockWaitTicks = Ticks::fromSeconds(10);
constexpr int BadBlockWaitTicks = Ticks::fromSeconds(20);

// What a single data event may announce; more is line noise and dropped whole.
constexpr qint64 MaxEventBytes = 134;

} // namespace LinkConstants
