#include "Frames.h"

#include "Crc16.h"

#include <algorithm>
#include <stdexcept>

namespace Frames {

namespace {

constexpr std::uint8_t ImageLengthLow = ImageLayout::ImageSize & 0xFF;
constexpr std::uint8_t ImageLengthHigh = ImageLayout::ImageSize >> 8;

QByteArrayView viewOf(const Block& block, int count)
{
    return QByteArrayView(reinterpret_cast<const char*>(block.data()), count);
}

} // namespace

CommandFrame commandFrame(std::uint8_t opcode, std::uint8_t p1, std::uint8_t p2, std::uint8_t p3)
{
    CommandFrame frame{opcode, p1, p2, p3, 0, 0};
    const std::uint16_t crc = Crc16(QByteArrayView(reinterpret_cast<const char*>(frame.data()), 4));
    frame[4] = static_cast<std::uint8_t>(crc & 0xFF);
    frame[5] = static_cast<std::uint8_t>(crc >> 8);
    return frame;
}

CommandFrame connectFrame() { return commandFrame(OpConnect, 0x01, 0x01, 0x01); }
CommandFrame remoteConnectFrame() { return commandFrame(OpConnect, 0x01, 0x01, 0x00); }
CommandFrame readRequest() { return commandFrame(OpRead, ImageLengthLow, ImageLengthHigh, 0x00); }
CommandFrame writeRequest() { return commandFrame(OpWrite, ImageLengthLow, ImageLengthHigh, 0x00); }

QByteArray toBytes(const CommandFrame& frame)
{
    return QByteArray(reinterpret_cast<const char*>(frame.data()), CommandFrameSize);
}

QByteArray toBytes(const Block& block)
{
    return QByteArray(reinterpret_cast<const char*>(block.data()), BlockSize);
}

int blockDataCount(int imagePos)
{
    return std::clamp(ImageLayout::ImageSize + 1 - imagePos, 0, BlockDataSize);
}

int fillOutgoingBlock(Block& block, int blockNo, int imagePos, const ConfigImage& image)
{
    const int count = blockDataCount(imagePos);
    block[0] = OpWrite;
    block[1] = static_cast<std::uint8_t>(blockNo & 0xFF);
    block[2] = static_cast<std::uint8_t>((blockNo >> 8) & 0xFF);
    block[BlockCountOffset] = static_cast<std::uint8_t>(count);
    for (int i = 0; i < count; ++i)
        block[BlockHeaderSize + i] = image.byteAt(imagePos + i);
    const std::uint16_t crc = Crc16(viewOf(block, BlockCrcOffset));
    block[BlockCrcOffset] = static_cast<std::uint8_t>(crc & 0xFF);
    block[BlockCrcOffset + 1] = static_cast<std::uint8_t>(crc >> 8);
    return count;
}

Block panelBlock(std::uint8_t type, int blockNo, const QByteArray& data)
{
    if (data.isEmpty() || data.size() > BlockDataSize)
        throw std::invalid_argument("a block carries 1 to 128 bytes");
    Block block{};
    block[0] = type;
    block[1] = static_cast<std::uint8_t>(blockNo & 0xFF);
    block[2] = static_cast<std::uint8_t>((blockNo >> 8) & 0xFF);
    block[BlockCountOffset] = static_cast<std::uint8_t>(data.size());
    std::copy(data.begin(), data.end(), block.begin() + BlockHeaderSize);
    const std::uint16_t crc = Crc16(viewOf(block, BlockCrcOffset));
    block[BlockCrcOffset] = static_cast<std::uint8_t>(crc >> 8);
    block[BlockCrcOffset + 1] = static_cast<std::uint8_t>(crc & 0xFF);
    return block;
}

bool isValidIncomingBlock(QByteArrayView bytes)
{
    return bytes.size() == BlockSize && Crc16(bytes) == 0;
}

std::uint8_t blockType(const Block& block) { return block[0]; }
int blockNumber(const Block& block) { return block[1] | (block[2] << 8); }
int blockCount(const Block& block) { return block[BlockCountOffset]; }

bool blockFitsImage(const Block& block, int imagePos)
{
    const int count = blockCount(block);
    return count >= 1 && count <= BlockDataSize && imagePos >= 1
        && imagePos + count - 1 <= ImageLayout::ImageSize;
}

int storeBlock(const Block& block, int imagePos, ConfigImage& image)
{
    if (!blockFitsImage(block, imagePos))
        throw std::out_of_range("block does not fit the image");
    const int count = blockCount(block);
    for (int i = 0; i < count; ++i)
        image.setByteAt(imagePos + i, block[BlockHeaderSize + i]);
    return imagePos + count;
}

QList<BlockSpan> cutImage()
{
    QList<BlockSpan> spans;
    for (int number = 1, position = 1; position <= ImageLayout::ImageSize; ++number) {
        const int count = blockDataCount(position);
        spans.append({number, position, count});
        position += count;
    }
    return spans;
}

} // namespace Frames
