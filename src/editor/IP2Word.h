#pragma once

#include <QString>

#include <cstdint>

// A dotted IPv4 text a.b.c.d as a + b*2^8 + c*2^16 + d*2^24, so that stored
// least significant byte first it reads a, b, c, d. 0 means no valid address.
std::uint32_t IP2Word(const QString& address);
