#pragma once

#include "Frames.h"

// What crosses the serial line in a transfer with the panel, and how long the
// line at 115200 baud, 8N1 (ten bits a byte), needs to carry it.
namespace SerialWire {

// The connect frame and the panel's ready byte.
constexpr int HandshakeBytes = Frames::CommandFrameSize + 1;
// The request, every block and an ACK for each but the last, which the
// configurator sends after it already holds the whole image.
constexpr int ReadBytes = Frames::CommandFrameSize + Frames::BlockCount * Frames::BlockSize + (Frames::BlockCount - 1);
// The request and its ACK, every block with its ACK, then the connect frame
// and the ready byte that end a write.
constexpr int WriteBytes = Frames::CommandFrameSize + 1 + Frames::BlockCount * (Frames::BlockSize + 1) + HandshakeBytes;

constexpr double BitsPerByte = 10;
constexpr double BaudRate = 115200;

constexpr double seconds(int bytes)
{
    return bytes * BitsPerByte / BaudRate;
}

} // namespace SerialWire
