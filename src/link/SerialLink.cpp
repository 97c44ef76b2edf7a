#include "SerialLink.h"

#include "Arrangements.h"
#include "ConfigImage.h"
#include "Dialogs.h"
#include "LinkConstants.h"
#include "LinkHost.h"
#include "LinkTexts.h"
#include "PanelIdentifier.h"
#include "SerialPort.h"
#include "TickClock.h"

#include <QtMath>

#include <algorithm>
#include <exception>

using namespace LinkConstants;

namespace {

QByteArray singleByte(std::uint8_t byte)
{
    return QByteArray(1, static_cast<char>(byte));
}

QByteArrayView viewOf(const Frames::Block& block)
{
    return QByteArrayView(reinterpret_cast<const char*>(block.data()), Frames::BlockSize);
}

int percent(int part, int whole)
{
    return qRound(part * 100.0 / whole);
}

} // namespace

SerialLink::SerialLink(const Parts& parts)
    : m_vars(parts.vars)
    , m_image(parts.image)
    , m_host(parts.host)
    , m_dialogs(parts.dialogs)
    , m_clock(parts.clock)
    , m_port(parts.port)
{
}

SerialLink::~SerialLink() = default;

bool SerialLink::openPort()
{
    m_closedTimers.clear();
    const std::optional<QString> name = m_dialogs.choosePort();
    if (!name || !m_port.open(*name))
        return false;
    m_portName = *name;
    connect(&m_port, &SerialPort::dataAvailable, this, &SerialLink::onDataAvailable, Qt::UniqueConnection);
    connect(&m_port, &SerialPort::failed, this, &SerialLink::onPortFailed, Qt::UniqueConnection);
    m_linkWatchdog = m_clock.createTimer(TickClock::Mode::SingleShot,
                                         [this] { ComPortTriggerTimer(Timer::LinkWatchdog); });
    m_retryTimer = m_clock.createTimer(TickClock::Mode::SingleShot, [this] { ComPortTriggerTimer(Timer::RetryTimer); });
    return true;
}

void SerialLink::closePort()
{
    // Whatever the port still reports belongs to a connection that is over.
    disconnect(&m_port, nullptr, this, nullptr);
    m_port.close();
    // The port may be closed from a timer's own timeout: the stopped timers are
    // kept until the next opening rather than destroyed under their caller.
    for (std::unique_ptr<TickTimer>* timer : {&m_linkWatchdog, &m_retryTimer}) {
        if (*timer) {
            (*timer)->stop();
            m_closedTimers.push_back(std::move(*timer));
        }
    }
}

bool SerialLink::isOpen() const
{
    return m_port.isOpen();
}

void SerialLink::SetConnect()
{
    m_vars.CommandFrame = Frames::connectFrame();
    if (hasRoomFor(Frames::CommandFrameSize) && !send(Frames::toBytes(m_vars.CommandFrame))) {
        portLost();
        return;
    }
    m_vars.BlockLen = NoBlockInFlight;
    m_vars.RetryCount = ConnectRetries;
    arm(Timer::RetryTimer, RetryTicks);
}

void SerialLink::sendReadRequest()
{
    m_vars.BlockLen = NoBlockInFlight;
    // The request goes out once from the block buffer: a retry before the first
    // block re-sends the connect frame, which the command buffer still holds.
    const Frames::CommandFrame request = Frames::readRequest();
    std::copy(request.begin(), request.end(), m_vars.TxBlock.begin());
    if (!send(Frames::toBytes(request))) {
        portLost();
        return;
    }
    arm(Timer::RetryTimer, ReadRequestTicks);
    m_host.setStatus(LinkTexts::reading());
    m_vars.TransferOp = TransferOps::Read;
}

void SerialLink::sendWriteRequest()
{
    m_vars.BlockLen = NoBlockInFlight;
    m_vars.WriteAnswers = {};
    if (hasRoomFor(Frames::CommandFrameSize)) {
        if (!send(Frames::toBytes(m_vars.CommandFrame))) {
            portLost();
            return;
        }
        m_vars.WriteAnswers.sent();
    }
    arm(Timer::RetryTimer, RetryTicks);
    m_host.setStatus(LinkTexts::writing());
}

void SerialLink::onDataAvailable()
{
    // The port announces new bytes once; bytes left waiting after a complete
    // block are the next event.
    qint64 count = m_port.bytesAvailable();
    while (count > 0 && !m_host.closingFlag()) {
        ComPortTriggerAvail(count);
        const qint64 left = m_port.bytesAvailable();
        if (left >= count)
            break;
        count = left;
    }
}

void SerialLink::ComPortTriggerAvail(qint64 count)
{
    if (m_host.closingFlag())
        return;
    if (count > MaxEventBytes) {
        m_port.read(count);
        return;
    }
    if (m_vars.TransferOp == TransferOps::Read) {
        assembleBlock(count);
        return;
    }
    const QByteArray bytes = m_port.read(count);
    if (bytes.isEmpty())
        return;
    std::copy(bytes.begin(), bytes.end(), m_vars.RxBlock.begin());
    // A slow panel's answers to several copies may wait together: during a
    // write each one counts.
    for (qsizetype i = 0; i < bytes.size() && (i == 0 || writing()); ++i)
        onReplyByte(m_vars.RxBlock[i]);
}

bool SerialLink::writing() const
{
    const bool write = m_vars.TransferOp == TransferOps::WriteRequest || m_vars.TransferOp == TransferOps::WriteData;
    return write && m_port.isOpen();
}

void SerialLink::onReplyByte(std::uint8_t reply)
{
    // A late answer to an earlier copy of a unit already settled is no answer
    // to the unit now pending.
    if ((reply == Frames::Ack || reply == Frames::Nak) && writing() && !m_vars.WriteAnswers.take())
        return;
    switch (reply) {
    case Frames::Ready:
        if (m_vars.PanelLinked) {
            // A late answer to a handshake frame ends the handshake's re-sending;
            // during a transfer the same timer guards the transfer, which would
            // otherwise be left waiting for an ACK for ever.
            if (m_vars.TransferOp == TransferOps::None) {
                stop(Timer::RetryTimer);
                stop(Timer::LinkWatchdog);
            }
            return;
        }
        Arrangements::connected(m_host);
        m_host.setStatus(LinkTexts::linked());
        m_vars.PanelLinked = true;
        m_vars.RxIgnore = false;
        return;
    case Frames::Ack:
        if (m_vars.TransferOp == TransferOps::None)
            return;
        if (m_vars.TransferOp == TransferOps::WriteRequest)
            m_vars.TransferOp = TransferOps::WriteData;
        stop(Timer::RetryTimer);
        m_vars.WriteAnswers.settle();
        sendNextBlock();
        return;
    case Frames::Nak:
        // Before the panel is linked a NAK answers nothing that was sent: it
        // must not stop the connect countdown, which alone ends the handshake.
        if (!m_vars.PanelLinked)
            return;
        stop(Timer::RetryTimer);
        if (m_vars.RetryCount > 0)
            arm(Timer::RetryTimer, RetryTicks);
        else
            endConnection(LinkTexts::standAlone(), LinkTexts::linkAbsent(), LinkTexts::usbCaption());
        return;
    case Frames::Fault:
        endConnection(LinkTexts::standAlone(), LinkTexts::fault(), LinkTexts::faultCaption());
        return;
    default:
        return;
    }
}

void SerialLink::assembleBlock(qint64 count)
{
    for (qint64 i = 0; i < count; ++i) {
        const QByteArray next = m_port.read(1);
        if (next.isEmpty())
            return;
        const auto byte = static_cast<std::uint8_t>(next[0]);
        if (!m_vars.RxStarted) {
            if (byte != Frames::OpRead)
                continue;
            m_vars.RxStarted = true;
        }
        m_vars.RxBlock[m_vars.RxIndex - 1] = byte;
        if (m_vars.RxIndex == Frames::BlockSize) {
            judgeBlock();
            return;
        }
        ++m_vars.RxIndex;
    }
}

void SerialLink::judgeBlock()
{
    m_vars.RxStarted = false;
    m_vars.RxIndex = 1;
    const bool intact = Frames::isValidIncomingBlock(viewOf(m_vars.RxBlock));
    const bool expected = Frames::blockNumber(m_vars.RxBlock) == (m_vars.BlockNo & 0xFFFF);
    // A block that would be stored must fit the image; one that would not is
    // treated like a damaged one.
    if (!intact || (expected && !Frames::blockFitsImage(m_vars.RxBlock, m_vars.ImagePos)))
        rejectBlock();
    else
        acceptBlock();
}

void SerialLink::rejectBlock()
{
    if (!m_vars.PanelLinked)
        return;
    if (!send(singleByte(Frames::Nak))) {
        portLost();
        return;
    }
    --m_vars.RetryCount;
    if (m_vars.RetryCount > 0) {
        arm(Timer::LinkWatchdog, BadBlockWaitTicks);
        return;
    }
    stop(Timer::LinkWatchdog);
    abandonRead(LinkTexts::readError(), LinkTexts::configCaption());
}

void SerialLink::abandonRead(const QString& text, const QString& caption)
{
    // The panel goes on sending while the box is open: its blocks are no longer read.
    m_vars.TransferOp = TransferOps::None;
    // Linked afresh, as after a finished read: the panel's ready byte gives the
    // controls back, which the read took, rather than finding the link still up.
    m_vars.PanelLinked = false;
    Arrangements::linkLost(m_host);
    m_dialogs.message(Dialogs::Message::error(text, caption));
    SetConnect();
}

void SerialLink::acceptBlock()
{
    stop(Timer::RetryTimer);
    if (m_vars.ImagePos <= ConfigImage::Size) {
        const int number = Frames::blockNumber(m_vars.RxBlock);
        const bool expected = number == (m_vars.BlockNo & 0xFFFF);
        // Neither the block due nor a repeat of the last one: the panel has
        // moved past a block that nothing can put in its place.
        if (!expected && number != ((m_vars.BlockNo - 1) & 0xFFFF)) {
            stop(Timer::LinkWatchdog);
            abandonRead(LinkTexts::sequenceBroken(m_vars.BlockNo, number), LinkTexts::usbCaption());
            return;
        }
        stop(Timer::LinkWatchdog);
        if (expected) {
            m_vars.ImagePos = Frames::storeBlock(m_vars.RxBlock, m_vars.ImagePos, m_image);
            m_host.setGauge(percent(m_vars.ImagePos, ConfigImage::Size));
            ++m_vars.BlockNo;
        }
        if (!send(singleByte(Frames::Ack))) {
            portLost();
            return;
        }
        arm(Timer::LinkWatchdog, BlockWaitTicks);
    }
    if (m_vars.ImagePos > ConfigImage::Size)
        finishRead();
}

void SerialLink::finishRead()
{
    m_vars.TransferOp = TransferOps::None;
    m_vars.PanelLinked = false;
    stop(Timer::LinkWatchdog);
    m_host.setGauge(100);
    // The pages still show what they showed before the read: the panel is
    // named from the image just read.
    m_dialogs.message(
        Dialogs::Message::information(LinkTexts::readDone(panelIdentifier(m_image)), LinkTexts::configCaption()));
    m_host.setGauge(0);
    m_host.setGaugeVisible(false);
    m_host.restorePages();
    m_host.transferDone(LinkHost::Transfer::Read, {m_portName, {}, 0});
    SetConnect();
}

void SerialLink::sendNextBlock()
{
    m_vars.BlockLen = Frames::BlockDataSize;
    std::fill_n(m_vars.TxBlock.begin(), Frames::BlockDataSize, 0);
    m_vars.TxBlock[0] = Frames::OpWrite;
    m_vars.RetryCount = TransferRetries;
    if (m_vars.ImagePos > ConfigImage::Size) {
        endWrite();
        return;
    }
    const int position = m_vars.ImagePos;
    m_vars.BlockLen = Frames::fillOutgoingBlock(m_vars.TxBlock, m_vars.BlockNo, position, m_image);
    if (!send(Frames::toBytes(m_vars.TxBlock))) {
        portLost();
        return;
    }
    m_vars.WriteAnswers.sent();
    m_host.setGauge(percent(position, ConfigImage::Size + 1));
    ++m_vars.BlockNo;
    m_vars.ImagePos += m_vars.BlockLen;
    arm(Timer::RetryTimer, RetryTicks);
}

void SerialLink::endWrite()
{
    // Nothing is handled inside this loop: a linked panel gets one connect
    // frame, one that has gone quiet gets all of them back to back.
    m_vars.RetryCount = 1;
    do {
        m_vars.CommandFrame = Frames::connectFrame();
        if (!send(Frames::toBytes(m_vars.CommandFrame))) {
            portLost();
            return;
        }
        ++m_vars.RetryCount;
    } while (!m_vars.PanelLinked && m_vars.RetryCount != EndOfWriteFrames);

    if (m_vars.RetryCount == EndOfWriteFrames) {
        if (m_host.closingFlag())
            return;
        m_vars.RxIgnore = false;
        m_vars.TransferOp = TransferOps::None;
        m_host.setGauge(0);
        m_host.setGaugeVisible(false);
        closePort();
        m_dialogs.message(Dialogs::Message::information(LinkTexts::noAnswerAfterWrite(), LinkTexts::configCaption()));
        return;
    }
    // The write is over before its box: a late ACK finds nothing more to send.
    stop(Timer::RetryTimer);
    m_vars.PanelLinked = false;
    m_vars.RxIgnore = false;
    m_vars.TransferOp = TransferOps::None;
    // Every block is acknowledged: the progress is full once, for the box.
    m_host.setGauge(100);
    m_dialogs.message(
        Dialogs::Message::information(LinkTexts::writeDone(m_host.accountText()), LinkTexts::configCaption()));
    m_host.setGauge(0);
    m_host.setGaugeVisible(false);
    m_host.transferDone(LinkHost::Transfer::Write, {m_portName, {}, 0});
    SetConnect();
}

void SerialLink::ComPortTriggerTimer(Timer timer)
{
    try {
        if (timer == Timer::LinkWatchdog)
            onWatchdog();
        else
            onRetryTimer();
    } catch (const std::exception&) {
        m_dialogs.message(Dialogs::Message::plain(LinkTexts::somethingWrong(), QString()));
    }
}

void SerialLink::onWatchdog()
{
    m_vars.PanelLinked = false;
    Arrangements::linkLost(m_host);
    m_host.setStatus(LinkTexts::noLink());
    SetConnect();
}

void SerialLink::onRetryTimer()
{
    if (m_vars.RetryCount <= 0) {
        m_vars.PanelLinked = false;
        m_vars.TransferOp = TransferOps::None;
        m_host.setGauge(0);
        endConnection(LinkTexts::standAloneShort(), LinkTexts::noAnswer(), LinkTexts::usbCaption());
        return;
    }
    const bool frame = m_vars.BlockLen == NoBlockInFlight;
    const QByteArray pending = frame ? Frames::toBytes(m_vars.CommandFrame) : Frames::toBytes(m_vars.TxBlock);
    // A full output buffer costs an attempt and is tried again on the next
    // tick, so the countdown still ends.
    if (hasRoomFor(pending.size())) {
        if (!send(pending)) {
            portLost();
            return;
        }
        if (writing())
            m_vars.WriteAnswers.sent();
        if (frame && !m_vars.PanelLinked)
            m_host.setCountdown(LinkTexts::countdown(2 * m_vars.RetryCount));
    }
    --m_vars.RetryCount;
    arm(Timer::RetryTimer, RetryTicks);
}

void SerialLink::onPortFailed()
{
    if (!m_port.isOpen())
        return;
    if (m_host.closingFlag()) {
        closePort();
        return;
    }
    portLost();
}

void SerialLink::portLost()
{
    m_vars.PanelLinked = false;
    m_vars.TransferOp = TransferOps::None;
    m_vars.RetryCount = 0;
    endConnection(LinkTexts::standAlone(), LinkTexts::usbMissing(), LinkTexts::usbCaption());
}

// The box waits in an event loop of its own, in which the port goes on
// reporting: the connection is over, port closed and controls given back,
// before the box is shown, so that nothing reaches a connection that is gone.
void SerialLink::endConnection(const QString& status, const QString& text, const QString& caption)
{
    closePort();
    Arrangements::standAlone(m_host, status);
    m_dialogs.message(Dialogs::Message::error(text, caption));
}

bool SerialLink::send(const QByteArray& bytes)
{
    return m_port.isOpen() && m_port.write(bytes);
}

bool SerialLink::hasRoomFor(qint64 bytes) const
{
    return m_port.outputFree() >= bytes;
}

void SerialLink::arm(Timer timer, int ticks)
{
    if (TickTimer* handle = (timer == Timer::LinkWatchdog ? m_linkWatchdog : m_retryTimer).get())
        handle->start(Ticks::ticks(ticks));
}

void SerialLink::stop(Timer timer)
{
    if (TickTimer* handle = (timer == Timer::LinkWatchdog ? m_linkWatchdog : m_retryTimer).get())
        handle->stop();
}
