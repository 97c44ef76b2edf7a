#pragma once

#include "ConfigImage.h"

#include <QByteArray>
#include <QList>

#include <array>
#include <cstdint>

// The units exchanged with the panel on both transports.
namespace Frames {

constexpr int CommandFrameSize = 6;
constexpr int BlockSize = 134;
constexpr int BlockHeaderSize = 4;
constexpr int BlockDataSize = 128;
constexpr int BlockCountOffset = 3;
constexpr int BlockCrcOffset = 132;
constexpr int BlockCount = 74; // 73 of 128 bytes and one of 75

// Opcodes and block types.
constexpr std::uint8_t OpConnect = 0x53;   // "S"
constexpr std::uint8_t OpRead = 0x52;      // "R"
constexpr std::uint8_t OpWrite = 0x57;     // "W"

// Single-byte replies.
constexpr std::uint8_t Ready = 0x01;
constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t Nak = 0x15;
constexpr std::uint8_t Fault = 0x25;

// Text datagrams of a remote panel.
inline const QByteArray Announcement = QByteArrayLiteral("Who?");
inline const QByteArray Armed = QByteArrayLiteral("ARM");

using CommandFrame = std::array<std::uint8_t, CommandFrameSize>;
using Block = std::array<std::uint8_t, BlockSize>;

// Opcode and three parameters, with the CRC placed low byte first.
CommandFrame commandFrame(std::uint8_t opcode, std::uint8_t p1, std::uint8_t p2, std::uint8_t p3);
CommandFrame connectFrame();        // 53 01 01 01 C7 FA
CommandFrame remoteConnectFrame();  // 53 01 01 00 E6 EA
CommandFrame readRequest();         // 52 CB 24 00 77 84
CommandFrame writeRequest();        // 57 CB 24 00 32 38

QByteArray toBytes(const CommandFrame& frame);
QByteArray toBytes(const Block& block);

// How many image bytes the block starting at this 1-based position carries.
int blockDataCount(int imagePos);

// Fills an outgoing block of type "W" in place: number, count, the image bytes
// from imagePos, and the CRC low byte first. The rest of the data area keeps
// what the buffer held. Returns the count.
int fillOutgoingBlock(Block& block, int blockNo, int imagePos, const ConfigImage& image);

// The panel's side: a block of the given type with its CRC high byte first.
Block panelBlock(std::uint8_t type, int blockNo, const QByteArray& data);

// True when exactly 134 bytes are present and the CRC over all of them is 0.
bool isValidIncomingBlock(QByteArrayView bytes);

// The fields of a received block.
std::uint8_t blockType(const Block& block);
int blockNumber(const Block& block);
int blockCount(const Block& block);

// A received block may only be stored when its count is 1..128 and its data
// ends inside the image: a damaged or hostile block is rejected as invalid.
bool blockFitsImage(const Block& block, int imagePos);

// Stores the block's data at imagePos; returns the position after it.
int storeBlock(const Block& block, int imagePos, ConfigImage& image);

// The cutting of the whole image, for the panel's side and for tests.
struct BlockSpan {
    int number;
    int position;
    int count;
};
QList<BlockSpan> cutImage();

} // namespace Frames
