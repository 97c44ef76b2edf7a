#include "ScriptedPanel.h"

#include "FakeSerialPort.h"
#include "Frames.h"

#include <chrono>

namespace {
constexpr std::chrono::milliseconds ReplyDelay{1};
}

ScriptedPanel::ScriptedPanel(FakeSerialPort& port, TickClock& clock, const QByteArray& image)
    : image(image)
    , m_port(port)
{
    m_replyTimer = clock.createTimer(TickClock::Mode::SingleShot, [this] {
        const QByteArray bytes = std::exchange(m_pending, {});
        m_port.push(bytes);
    });
    m_port.onWrite = [this](const QByteArray& bytes) { onWrite(bytes); };
}

QByteArray ScriptedPanel::block(int number) const
{
    const Frames::BlockSpan span = Frames::cutImage().at(number - 1);
    return Frames::toBytes(Frames::panelBlock(Frames::OpRead, number, image.mid(span.position - 1, span.count)));
}

void ScriptedPanel::reply(const QByteArray& bytes)
{
    m_pending.append(bytes);
    m_replyTimer->start(ReplyDelay);
}

void ScriptedPanel::onWrite(const QByteArray& bytes)
{
    const auto first = static_cast<std::uint8_t>(bytes.at(0));
    if (bytes == Frames::toBytes(Frames::connectFrame())) {
        m_reading = false;
        if (answerConnect)
            reply(QByteArray(1, char(Frames::Ready)));
    } else if (bytes == Frames::toBytes(Frames::readRequest())) {
        m_reading = true;
        m_nextBlock = 1;
        ++blocksSent;
        reply(block(1));
    } else if (bytes == Frames::toBytes(Frames::writeRequest())) {
        received.clear();
        reply(QByteArray(1, char(Frames::Ack)));
    } else if (bytes.size() == 1 && m_reading) {
        if (first == Frames::Ack) {
            ++acksReceived;
            ++m_nextBlock;
        } else if (first == Frames::Nak) {
            ++naksReceived;
        }
        if (m_nextBlock <= Frames::BlockCount) {
            ++blocksSent;
            reply(block(m_nextBlock));
        } else {
            m_reading = false;
        }
    } else if (bytes.size() == Frames::BlockSize && first == Frames::OpWrite) {
        received.append(bytes.mid(Frames::BlockHeaderSize, static_cast<std::uint8_t>(bytes.at(Frames::BlockCountOffset))));
        reply(QByteArray(1, char(Frames::Ack)));
    }
}
