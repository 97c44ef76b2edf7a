#include "Crc16.h"

std::uint16_t Crc16(QByteArrayView bytes)
{
    std::uint16_t crc = 0;
    for (const char c : bytes) {
        crc ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(c) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<std::uint16_t>((crc << 1) ^ 0x1021) : static_cast<std::uint16_t>(crc << 1);
    }
    return crc;
}
