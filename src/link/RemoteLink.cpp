#include "RemoteLink.h"

#include "Arrangements.h"
#include "ConfigImage.h"
#include "DatagramSocket.h"
#include "Dialogs.h"
#include "LinkHost.h"
#include "LinkTexts.h"
#include "ListeningPort.h"
#include "TickClock.h"

#include <algorithm>

namespace {

using Item = LinkHost::Item;
using Message = Dialogs::Message;


bool hasAcceptedLength(qsizetype length)
{
    return length == 1 || length == 3 || length == 4 || length == Frames::BlockSize;
}

int percent(int position, int whole)
{
    return (position * 100 + whole / 2) / whole;
}

QByteArray bytesOf(const Frames::Block& block, int count)
{
    return Frames::toBytes(block).left(count);
}

} // namespace

RemoteLink::RemoteLink(LinkVars& vars, LinkHost& host, Dialogs& dialogs, TickClock& clock, ConfigImage& image,
                       DatagramSocket& socket, std::function<void()> closeSerialPort)
    : m_vars(vars)
    , m_host(host)
    , m_dialogs(dialogs)
    , m_image(image)
    , m_socket(socket)
    , m_closeSerialPort(std::move(closeSerialPort))
    , m_timerUDP(clock.createTimer(TickClock::Mode::Repeating, [this] { TimerUDPTimer(); }))
    , m_timerWaitAck(clock.createTimer(TickClock::Mode::Repeating, [this] { TimerWaitAckTimer(); }))
    , m_timerWaitBlock(clock.createTimer(TickClock::Mode::Repeating, [this] { TimerWaitBlockTimer(); }))
{
    connect(&m_socket, &DatagramSocket::received, this, &RemoteLink::ConfUDPUDPRead);
}

RemoteLink::~RemoteLink() = default;

void RemoteLink::N2Click()
{
    if (m_closeSerialPort)
        m_closeSerialPort();
    // A panel still connected is given up before the new wait, which hears
    // whichever panel announces itself first: its light goes out with it.
    stopAllTimers();
    m_vars.reset();
    m_host.setWhoLit(false);
    m_host.setStatus(QString());
    Arrangements::offline(m_host);

    const QString portText = m_host.confPortText();
    if (portText.isEmpty()) {
        m_dialogs.message(
            Message::warning(LinkTexts::tr("Не определен порт РС - конфигуратора!"), LinkTexts::remoteCaption()));
        m_host.focusConfPortEdit();
        return;
    }

    Arrangements::waitingForRemotePanel(m_host);
    m_vars.RxIgnore = false;
    const quint16 port = listeningPort(portText);
    if (!m_socket.listen(port)) {
        failWait();
        m_dialogs.message(Message::error(
            LinkTexts::tr("Порт РС - конфигуратора %1 недоступен!").arg(port), LinkTexts::remoteCaption()));
        return;
    }

    const bool announced = waitForAnnouncement();
    m_vars.RequestWait = 0;
    if (!announced) {
        failWait();
        return;
    }

    m_vars.LinkMode = LinkModes::Remote;
    m_vars.RxIgnore = false;
    m_vars.PanelLinked = false;
    m_vars.ImagePos = 1;
    SetConnectUDP();
}

// False when the steps run out, the clock's question cuts them short, or the
// pause itself is cut short (the program closing, or link traffic ignored
// after a broken block sequence).
bool RemoteLink::waitForAnnouncement()
{
    m_vars.LinkStage = LinkStages::None;
    m_vars.RequestWait = Remote::RequestWaitSteps;
    for (;;) {
        m_host.setCountdown(LinkTexts::tr("Ожидание запроса... %1").arg(m_vars.RequestWait));
        if (!pause(Remote::RequestWaitStepTicks))
            return false;
        // A panel that announced itself in the last step is taken, not lost.
        if (m_vars.LinkStage == LinkStages::RemoteAnnounced)
            return true;
        --m_vars.RequestWait;
        if (m_vars.RequestWait <= 0)
            return false;
    }
}

void RemoteLink::failWait()
{
    m_host.setStatus(LinkTexts::tr("Нет связи с удаленным ППК. Автономный режим."));
    m_timerUDP->stop();
    Arrangements::offline(m_host);
    m_vars.LinkMode = LinkModes::None;
    m_vars.PanelLinked = false;
}

void RemoteLink::JvClock1DblClick()
{
    const Dialogs::Answer answer = m_dialogs.message(
        Message::question(LinkTexts::tr("Прервать ожидание соединения с удаленным ППК?"), QString()));
    if (answer == Dialogs::Answer::Yes && m_vars.waitRuns())
        m_vars.RequestWait = 1;
    m_host.setWhoLit(false);
    stopListening();
}

void RemoteLink::SetConnectUDP()
{
    m_vars.CommandFrame = Frames::remoteConnectFrame();
    sendToPeer(Frames::toBytes(m_vars.CommandFrame));
    m_vars.RetryCount = Remote::ConnectRetries;
    m_timerUDP->start(Remote::TimerUDPInterval);
}

void RemoteLink::TimerUDPTimer()
{
    if (m_host.closingFlag() || m_vars.LinkStage == LinkStages::Serial)
        return;
    if (m_vars.RetryCount != 0) {
        m_timerUDP->stop();
        sendToPeer(Frames::toBytes(m_vars.CommandFrame));
        --m_vars.RetryCount;
        m_timerUDP->start(Remote::TimerUDPInterval);
        return;
    }
    endConnection();
    m_host.setWhoLit(false);
    m_host.setStatus(LinkTexts::tr("Автономный режим"));
    m_dialogs.message(Message::error(LinkTexts::tr("E9: ППК не отвечает!"), LinkTexts::configCaption()));
}

void RemoteLink::ConfUDPUDPRead(const QByteArray& datagram, const QHostAddress& sender, quint16 senderPort)
{
    if (m_host.closingFlag())
        return;
    if (!hasAcceptedLength(datagram.size()) || m_vars.RxIgnore)
        return;
    if (!heard(datagram, sender, senderPort))
        return;
    std::copy(datagram.begin(), datagram.end(), m_vars.RxBlock.begin());

    if (datagram == Frames::Announcement)
        announced(sender, senderPort);
    else if (datagram == Frames::Armed)
        armed();
    else if (datagram.size() == 1)
        reply(static_cast<std::uint8_t>(datagram[0]));
    else
        judgeBlock(datagram);
}

// Until a panel has announced itself only the two texts are heard; from then on
// only that panel is, so another host cannot slip blocks, replies or the armed
// text into its connection. While the wait's last step runs, the panel has been
// sent nothing yet, so it is heard only for the texts as well.
bool RemoteLink::heard(const QByteArray& datagram, const QHostAddress& sender, quint16 senderPort) const
{
    const bool text = datagram == Frames::Announcement || datagram == Frames::Armed;
    if (m_vars.PeerAddress.isEmpty())
        return text;
    const bool fromPeer =
        QHostAddress(sender.toIPv4Address()).toString() == m_vars.PeerAddress && senderPort == m_vars.PeerPort;
    return fromPeer && (text || !m_vars.waitRuns());
}

void RemoteLink::announced(const QHostAddress& sender, quint16 senderPort)
{
    // A copy of the announcement, or the panel announcing itself again while
    // its connection stands, must not undo the connection.
    if (!m_vars.awaitingAnnouncement())
        return;
    m_timerUDP->stop();
    m_host.setWhoLit(true);
    const QString address = QHostAddress(sender.toIPv4Address()).toString();
    m_host.setStatus(LinkTexts::tr("Удаленный ППК IP: %1 подключен").arg(address));
    m_vars.PeerAddress = address;
    m_vars.PeerPort = senderPort;
    m_vars.LinkStage = LinkStages::RemoteAnnounced;
    m_vars.LinkMode = LinkModes::Remote;
}

// The panel refuses to be configured. Whatever the connection was doing ends
// before the box: a transfer offered or going on would only wait for a panel
// that does not answer it. A wait for the announcement stays a wait until its
// step is over, which ends it as failed, even when the panel announced itself.
void RemoteLink::armed()
{
    if (m_vars.waitRuns()) {
        m_vars.RequestWait = 1;
        m_vars.LinkStage = LinkStages::None;
        m_vars.PeerAddress.clear();
        m_vars.PeerPort = 0;
        m_host.setWhoLit(false);
    } else {
        endTransfer(Panel::Dropped);
        m_host.setGaugeVisible(false);
    }
    m_dialogs.message(
        Message::warning(LinkTexts::tr("ППК под охраной. Конфигурирование запрещено"), LinkTexts::remoteCaption()));
}

void RemoteLink::reply(std::uint8_t byte)
{
    switch (byte) {
    case Frames::Ready:
        ready();
        break;
    case Frames::Ack:
        acknowledged();
        break;
    case Frames::Nak:
        rejected();
        break;
    case Frames::Fault:
        m_dialogs.message(Message::error(LinkTexts::tr("Ошибка записи в ППК"), LinkTexts::remoteWriteCaption()));
        break;
    default:
        break;
    }
}

void RemoteLink::ready()
{
    if (m_vars.PanelLinked)
        return;
    m_host.EnableAll();
    m_host.setWrBtnVisible(true);
    m_host.setWrBtnEnabled(true);
    m_host.setGaugeVisible(true);
    m_vars.PanelLinked = true;
    m_vars.RxIgnore = false;
    m_vars.LinkStage = LinkStages::RemoteLinked;
    stopAllTimers();
    m_vars.TransferOp = TransferOps::None;
}

void RemoteLink::acknowledged()
{
    switch (m_vars.TransferOp) {
    case TransferOps::None:
        return;
    case TransferOps::Read:
        // The request is acknowledged: from now on only the blocks are awaited.
        m_timerWaitAck->stop();
        m_timerWaitBlock->start(Remote::TimerWaitBlockInterval);
        m_vars.BlockNo = 1;
        return;
    default:
        sendNextBlock();
        return;
    }
}

// The panel asks for the request or block again. A re-sent unit is guarded by
// TimerWaitAck like the first, and NAKs spend the same attempts as its ticks.
void RemoteLink::rejected()
{
    m_timerWaitAck->stop();
    if (!m_vars.PanelLinked)
        return;
    if (m_vars.RetryCount <= 0) {
        giveUpWaitingAck();
        return;
    }
    --m_vars.RetryCount;
    if (!pause(Remote::ReplyPauseTicks) || m_vars.TransferOp == TransferOps::None)
        return;
    resendPending();
    m_timerWaitAck->start(Remote::TimerWaitAckInterval);
}

void RemoteLink::judgeBlock(const QByteArray& datagram)
{
    const Frames::Block& block = m_vars.RxBlock;
    bool valid = Frames::isValidIncomingBlock(datagram);
    const bool reading = m_vars.TransferOp == TransferOps::Read && Frames::blockType(block) == Frames::OpRead;
    // A block that would be stored must fit the image; a damaged count is a damaged block.
    if (valid && reading && Frames::blockNumber(block) == m_vars.BlockNo
        && !Frames::blockFitsImage(block, m_vars.ImagePos))
        valid = false;
    if (!valid) {
        rejectBlock();
        return;
    }
    if (reading)
        readBlock();
}

void RemoteLink::rejectBlock()
{
    sendByte(Frames::Nak);
    if (m_vars.RetryCount > 0) {
        m_timerWaitBlock->start(Remote::TimerWaitBlockInterval);
        --m_vars.RetryCount;
        return;
    }
    const bool wasReading = m_vars.TransferOp == TransferOps::Read;
    endTransfer(Panel::Dropped);
    m_host.setGaugeVisible(false);
    m_host.setGauge(0);
    if (wasReading)
        m_dialogs.message(Message::error(LinkTexts::readError(), LinkTexts::remoteReadCaption()));
    m_dialogs.message(
        Message::error(LinkTexts::tr("Нет ответа на отрицательную квитанцию!"), LinkTexts::configCaption()));
}

void RemoteLink::readBlock()
{
    m_timerWaitAck->stop();
    m_timerWaitBlock->stop();
    // A copy that arrives while the last block is being answered finds the image complete.
    if (m_vars.ImagePos > ConfigImage::Size)
        return;
    const Frames::Block& block = m_vars.RxBlock;
    const int number = Frames::blockNumber(block);

    if (number == (m_vars.BlockNo & 0xFFFF)) {
        m_vars.RetryCount = Remote::ReadRetries;
        m_vars.DupCount = 0;
        m_vars.ImagePos = Frames::storeBlock(block, m_vars.ImagePos, m_image);
        m_host.setGauge(percent(m_vars.ImagePos, ConfigImage::Size));
        ++m_vars.BlockNo;
        // The next blocks may arrive, and the read may end, while this one is answered.
        const bool last = m_vars.ImagePos > ConfigImage::Size;
        if (!pause(Remote::ReplyPauseTicks))
            return;
        sendByte(Frames::Ack);
        if (last)
            finishRead();
        else
            awaitNextBlock();
        return;
    }
    if (number == ((m_vars.BlockNo - 1) & 0xFFFF)) {
        // The panel missed our ACK and repeated the block: acknowledge it again, store nothing.
        m_vars.RetryCount = Remote::ReadRetries;
        ++m_vars.DupCount;
        if (!pause(Remote::ReplyPauseTicks))
            return;
        sendByte(Frames::Ack);
        awaitNextBlock();
        return;
    }
    if (m_vars.DupCount > 0 && number == ((m_vars.BlockNo + m_vars.DupCount) & 0xFFFF)) {
        // The repeated ACKs moved the panel past a block we never stored: ask
        // again instead of storing the later block in its place.
        if (m_vars.RetryCount > 0) {
            sendByte(Frames::Nak);
            --m_vars.RetryCount;
            m_timerWaitBlock->start(Remote::TimerWaitBlockInterval);
            return;
        }
    }
    sequenceBroken(number);
}

void RemoteLink::awaitNextBlock()
{
    if (m_vars.TransferOp == TransferOps::Read)
        m_timerWaitBlock->start(Remote::TimerWaitBlockInterval);
}

void RemoteLink::sequenceBroken(int received)
{
    sendByte(Frames::Nak);
    // The read and the connection are over: the panel is no longer heard, and
    // the next "Удаленная" waits for it afresh.
    endTransfer(Panel::Dropped);
    m_host.setGaugeVisible(false);
    m_dialogs.message(
        Message::error(LinkTexts::sequenceBroken(m_vars.BlockNo, received), LinkTexts::remoteCaption()));
}

// The connection is over before the box, in whose own event loop the panel
// may still send; the pages are restored once the box is answered.
void RemoteLink::finishRead()
{
    const LinkHost::Route route = peerRoute();
    endTransfer(Panel::Dropped);
    m_host.setGauge(100);
    m_dialogs.message(Message::information(LinkTexts::remoteReadDone(), LinkTexts::configCaption()));
    m_host.setGauge(0);
    m_host.setGaugeVisible(false);
    m_host.restorePages();
    m_host.transferDone(LinkHost::Transfer::Read, route);
}

void RemoteLink::sendNextBlock()
{
    if (m_vars.TransferOp == TransferOps::WriteRequest)
        m_vars.TransferOp = TransferOps::WriteData;
    m_timerWaitAck->stop();
    m_vars.BlockLen = Frames::BlockDataSize;
    m_vars.TxBlock[0] = Frames::OpWrite;
    m_vars.RetryCount = Remote::WriteRetries;
    if (!pause(Remote::ReplyPauseTicks) || m_vars.TransferOp == TransferOps::None)
        return;

    if (m_vars.ImagePos > ConfigImage::Size) {
        finishWrite();
        return;
    }
    m_vars.BlockLen = Frames::fillOutgoingBlock(m_vars.TxBlock, m_vars.BlockNo, m_vars.ImagePos, m_image);
    sendToPeer(Frames::toBytes(m_vars.TxBlock));
    m_vars.ImagePos += m_vars.BlockLen;
    m_host.setGauge(percent(m_vars.ImagePos, ConfigImage::Size + 1));
    ++m_vars.BlockNo;
    m_timerWaitAck->start(Remote::TimerWaitAckInterval);
}

void RemoteLink::finishWrite()
{
    stopAllTimers();
    m_vars.PanelLinked = false;
    // The transfer is over before the pauses: a late ACK or NAK finds nothing to do.
    m_vars.TransferOp = TransferOps::None;
    m_vars.RetryCount = 1;
    do {
        m_host.setGauge(percent(m_vars.RetryCount, Remote::RelinkGaugeScale));
        m_vars.CommandFrame = Frames::connectFrame();
        sendToPeer(Frames::toBytes(m_vars.CommandFrame));
        if (!pause(Remote::RelinkPauseTicks))
            return;
        ++m_vars.RetryCount;
    } while (!m_vars.PanelLinked && m_vars.RetryCount <= Remote::RelinkFrames);

    m_vars.RxIgnore = false;
    const LinkHost::Route route = peerRoute();
    endTransfer(Panel::Dropped);
    m_host.setGauge(0);
    m_host.setGaugeVisible(false);
    m_dialogs.message(
        Message::information(LinkTexts::remoteWriteDone(m_host.accountText()), LinkTexts::configCaption()));
    m_host.transferDone(LinkHost::Transfer::Write, route);
}

void RemoteLink::TimerWaitAckTimer()
{
    if (m_host.closingFlag())
        return;
    if (m_vars.RetryCount > 0) {
        resendPending();
        --m_vars.RetryCount;
        return;
    }
    giveUpWaitingAck();
}

void RemoteLink::giveUpWaitingAck()
{
    m_vars.RxIgnore = false;
    endTransfer(Panel::Kept);
    m_host.setGauge(0);
    m_host.setGaugeVisible(false);
    m_dialogs.message(Message::error(LinkTexts::tr("Время ожидания подтверждения приема блока истекло!"),
                                     LinkTexts::remoteWriteCaption()));
}

void RemoteLink::TimerWaitBlockTimer()
{
    if (m_host.closingFlag())
        return;
    m_timerWaitBlock->stop();
    m_timerWaitAck->stop();
    if (m_vars.RetryCount > 0) {
        sendByte(Frames::Ack);
        --m_vars.RetryCount;
        m_timerWaitBlock->start(Remote::TimerWaitBlockInterval);
        return;
    }
    endTransfer(Panel::Kept);
    m_host.setGauge(0);
    m_host.setGaugeVisible(false);
    m_dialogs.message(
        Message::error(LinkTexts::tr("Время ожидания блока от ППК истекло!"), LinkTexts::overdueBlockCaption()));
}

bool RemoteLink::readBranch()
{
    const bool remote = m_vars.LinkMode == LinkModes::Remote || m_vars.LinkMode == LinkModes::RemoteAlias;
    if (!remote || !m_vars.PanelLinked)
        return false;
    m_vars.DupCount = 0;
    m_vars.BlockLen = NoBlockInFlight;
    const Frames::CommandFrame request = Frames::readRequest();
    std::copy(request.begin(), request.end(), m_vars.TxBlock.begin());
    sendToPeer(bytesOf(m_vars.TxBlock, Frames::CommandFrameSize));
    m_timerWaitAck->start(Remote::TimerWaitAckInterval);
    m_vars.TransferOp = TransferOps::Read;
    return true;
}

bool RemoteLink::writeBranch()
{
    if (m_vars.LinkStage != LinkStages::RemoteLinked || !m_vars.PanelLinked)
        return false;
    sendToPeer(Frames::toBytes(m_vars.CommandFrame));
    m_timerWaitAck->start(Remote::TimerWaitAckInterval);
    m_vars.BlockLen = NoBlockInFlight;
    return true;
}

void RemoteLink::stopListening()
{
    m_socket.stop();
}

bool RemoteLink::isListening() const
{
    return m_socket.isListening();
}

bool RemoteLink::isTimerUDPActive() const { return m_timerUDP->isActive(); }
bool RemoteLink::isTimerWaitAckActive() const { return m_timerWaitAck->isActive(); }
bool RemoteLink::isTimerWaitBlockActive() const { return m_timerWaitBlock->isActive(); }

LinkHost::Route RemoteLink::peerRoute() const
{
    return {QString(), m_vars.PeerAddress, m_vars.PeerPort};
}

void RemoteLink::sendToPeer(const QByteArray& bytes)
{
    m_socket.send(bytes, QHostAddress(m_vars.PeerAddress), m_vars.PeerPort);
}

void RemoteLink::sendByte(std::uint8_t byte)
{
    sendToPeer(QByteArray(1, static_cast<char>(byte)));
}

// What a NAK or a TimerWaitAck tick asks for again: the data block in flight,
// or else the request that opened the transfer, exactly as it was first sent.
void RemoteLink::resendPending()
{
    if (m_vars.BlockLen != NoBlockInFlight)
        sendToPeer(Frames::toBytes(m_vars.TxBlock));
    else if (m_vars.TransferOp == TransferOps::Read)
        sendToPeer(bytesOf(m_vars.TxBlock, Frames::CommandFrameSize));
    else
        sendToPeer(Frames::toBytes(m_vars.CommandFrame));
}

bool RemoteLink::pause(int ticks)
{
    m_host.M_Delay(ticks);
    return !m_host.closingFlag();
}

void RemoteLink::stopAllTimers()
{
    m_timerUDP->stop();
    m_timerWaitAck->stop();
    m_timerWaitBlock->stop();
}

void RemoteLink::endTransfer(Panel panel)
{
    m_vars.TransferOp = TransferOps::None;
    if (panel == Panel::Dropped) {
        m_vars.PanelLinked = false;
        m_vars.LinkMode = LinkModes::None;
    }
    m_host.setWhoLit(false);
    endConnection();
    m_host.setStatus(LinkTexts::standAlone());
}

void RemoteLink::endConnection()
{
    stopAllTimers();
    // Whatever the panel still sends belongs to a connection that is over.
    m_vars.PeerAddress.clear();
    m_vars.PeerPort = 0;
    m_host.EnableAll();
    m_host.setItemEnabled(Item::ItemWr, false);
    m_host.setItemEnabled(Item::ItemRead, false);
    m_host.setWrBtnVisible(false);
}
