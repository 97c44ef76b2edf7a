#include "PanelSide.h"

#include "ConfigImage.h"
#include "Crc16.h"
#include "Frames.h"
#include "PanelLine.h"

#include <QTextStream>

namespace {

QTextStream& log()
{
    static QTextStream err(stderr);
    return err;
}

bool isFrameStart(std::uint8_t byte)
{
    return byte == Frames::OpConnect || byte == Frames::OpRead || byte == Frames::OpWrite;
}

// Blocks from the configurator carry their CRC low byte first.
bool isIntactWrittenBlock(const QByteArray& block)
{
    const std::uint16_t crc = Crc16(QByteArrayView(block).first(Frames::BlockCrcOffset));
    return static_cast<std::uint8_t>(block.at(Frames::BlockCrcOffset)) == (crc & 0xFF)
        && static_cast<std::uint8_t>(block.at(Frames::BlockCrcOffset + 1)) == (crc >> 8);
}

} // namespace

PanelSide::PanelSide(const PanelOptions& options, PanelLine& line)
    : m_options(options)
    , m_line(line)
    , m_badCrcLeft(options.badCrcTimes)
    , m_naksLeft(options.nakBlocks)
{
}

void PanelSide::receive(const QByteArray& bytes)
{
    m_input.append(bytes);
    while (!m_input.isEmpty()) {
        if (m_state == State::Silent) {
            m_input.clear();
            return;
        }
        const auto first = static_cast<std::uint8_t>(m_input.at(0));
        if (m_state == State::Sending && (first == Frames::Ack || first == Frames::Nak)) {
            m_input.remove(0, 1);
            onAnswer(first);
        } else if (m_state == State::Receiving && first == Frames::OpWrite && !startsWithWriteRequest()) {
            // A block and a repeated write request start alike: wait until they can be told apart.
            if (m_input.size() < Frames::BlockSize)
                return;
            const QByteArray block = m_input.left(Frames::BlockSize);
            m_input.remove(0, Frames::BlockSize);
            onBlock(block);
        } else if (isFrameStart(first)) {
            if (m_input.size() < Frames::CommandFrameSize)
                return;
            if (!takeFrame())
                m_input.remove(0, 1);
        } else {
            m_input.remove(0, 1);
        }
    }
}

// The configurator sends its write request again when the ACK is slow to come;
// no block starts with these six bytes, whose number would be 0x24CB.
bool PanelSide::startsWithWriteRequest() const
{
    return m_input.startsWith(Frames::toBytes(Frames::writeRequest()));
}

bool PanelSide::takeFrame()
{
    const QByteArray frame = m_input.left(Frames::CommandFrameSize);
    const auto at = [&frame](int offset) { return static_cast<std::uint8_t>(frame.at(offset)); };
    const Frames::CommandFrame expected = Frames::commandFrame(at(0), at(1), at(2), at(3));
    if (Frames::toBytes(expected) != frame)
        return false;
    m_input.remove(0, Frames::CommandFrameSize);
    onFrame(frame);
    return true;
}

void PanelSide::onFrame(const QByteArray& frame)
{
    switch (static_cast<std::uint8_t>(frame.at(0))) {
    case Frames::OpConnect:
        m_state = State::Idle;
        reply(Frames::Ready);
        break;
    case Frames::OpRead:
        log() << "read requested" << Qt::endl;
        m_state = State::Sending;
        sendBlock(1);
        break;
    case Frames::OpWrite:
        log() << "write requested" << Qt::endl;
        if (m_options.fault) {
            reply(Frames::Fault);
            break;
        }
        m_state = State::Receiving;
        m_block = 1;
        m_receiving.clear();
        reply(Frames::Ack);
        break;
    default:
        break;
    }
}

void PanelSide::sendBlock(int number)
{
    m_block = number;
    int carried = number;
    if (number == m_options.skipBlock && !m_skipped && number < Frames::BlockCount) {
        m_skipped = true;
        carried = number + 1;
    }
    const Frames::BlockSpan span = Frames::cutImage().at(carried - 1);
    Frames::Block block = Frames::panelBlock(Frames::OpRead, carried, m_options.image.mid(span.position - 1, span.count));
    if (number == m_options.badCrcBlock && m_badCrcLeft > 0) {
        --m_badCrcLeft;
        block[Frames::BlockCrcOffset] ^= 0xFF;
    }
    m_line.send(Frames::toBytes(block));
    afterBlock(number);
}

void PanelSide::onAnswer(std::uint8_t answer)
{
    if (answer == Frames::Nak) {
        sendBlock(m_block);
        return;
    }
    if (m_block == m_options.repeatBlock && !m_repeated) {
        m_repeated = true; // as if the ACK had been lost
        sendBlock(m_block);
        return;
    }
    if (m_block == Frames::BlockCount) {
        log() << "image sent" << Qt::endl;
        m_state = State::Idle;
        return;
    }
    sendBlock(m_block + 1);
}

void PanelSide::onBlock(const QByteArray& block)
{
    const auto number = static_cast<std::uint8_t>(block.at(1)) | (static_cast<std::uint8_t>(block.at(2)) << 8);
    const int count = static_cast<std::uint8_t>(block.at(Frames::BlockCountOffset));
    if (m_naksLeft > 0 || !isIntactWrittenBlock(block) || count < 1 || count > Frames::BlockDataSize) {
        m_naksLeft = std::max(0, m_naksLeft - 1);
        reply(Frames::Nak);
        return;
    }
    if (number == m_options.refuseBlock && !m_refused) {
        m_refused = true;
        reply(Frames::Nak);
        return;
    }
    if (number == m_block) {
        m_receiving.append(block.mid(Frames::BlockHeaderSize, count));
        ++m_block;
    } else if (number != m_block - 1) {
        reply(Frames::Nak);
        return;
    }
    if (m_receiving.size() >= ConfigImage::Size && number == Frames::BlockCount)
        saveWritten();
    reply(Frames::Ack);
    afterBlock(number);
}

void PanelSide::afterBlock(int number)
{
    if (number == m_options.silentAfter) {
        log() << "silent after block " << number << Qt::endl;
        m_state = State::Silent;
    }
    if (number == m_options.closeAfter) {
        log() << "hanging up after block " << number << Qt::endl;
        m_line.hangUp();
    }
}

void PanelSide::reply(std::uint8_t byte)
{
    m_line.send(QByteArray(1, static_cast<char>(byte)));
}

void PanelSide::saveWritten()
{
    m_written = m_receiving.left(ConfigImage::Size);
    log() << "image received" << Qt::endl;
    if (m_options.saveFile.isEmpty())
        return;
    QString error;
    if (!PanelOptions::saveImage(m_options.saveFile, m_written, &error))
        log() << error << Qt::endl;
}
