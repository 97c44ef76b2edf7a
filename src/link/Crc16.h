#pragma once

#include <QByteArrayView>

#include <cstdint>

// CRC-16/XMODEM: polynomial 0x1021, initial value 0, no reflection, no final XOR.
std::uint16_t Crc16(QByteArrayView bytes);
