#pragma once

#include <cstdint>

// The 16-bit units in which notification texts travel: the Cyrillic letters
// А..я (Windows-1251 0xC0..0xFF) as their code points 0x0410..0x044F, every
// other byte as itself.
namespace TextCode {

constexpr std::uint16_t unitOf(std::uint8_t byte)
{
    return byte >= 0xC0 ? static_cast<std::uint16_t>(byte + 0x0350) : byte;
}

constexpr std::uint8_t byteOf(std::uint16_t unit)
{
    return static_cast<std::uint8_t>(unit >= 0x0410 ? unit - 0x0350 : unit);
}

} // namespace TextCode
