#include "UdpPanel.h"

#include "Crc16.h"
#include "Frames.h"
#include "PanelOptions.h"

#include <QTextStream>

namespace {

constexpr int AnnounceIntervalMs = 200;
const QByteArray ConnectRemote = Frames::toBytes(Frames::remoteConnectFrame());
const QByteArray ConnectLocal = Frames::toBytes(Frames::connectFrame());
const QByteArray ReadRequest = Frames::toBytes(Frames::readRequest());
const QByteArray WriteRequest = Frames::toBytes(Frames::writeRequest());

QByteArray reply(std::uint8_t byte) { return QByteArray(1, static_cast<char>(byte)); }

bool outgoingCrcHolds(const QByteArray& block)
{
    const std::uint16_t crc = Crc16(QByteArrayView(block).first(Frames::BlockCrcOffset));
    return static_cast<std::uint8_t>(block[Frames::BlockCrcOffset]) == (crc & 0xFF)
        && static_cast<std::uint8_t>(block[Frames::BlockCrcOffset + 1]) == (crc >> 8);
}

} // namespace

UdpPanel::UdpPanel(const QHostAddress& configurator, quint16 port, QByteArray image, QString savePath,
                   UdpPanelFaults faults, int retransmitMs)
    : m_configurator(configurator)
    , m_port(port)
    , m_image(std::move(image))
    , m_savePath(std::move(savePath))
    , m_faults(std::move(faults))
{
    m_announceTimer.setInterval(AnnounceIntervalMs);
    connect(&m_announceTimer, &QTimer::timeout, this, &UdpPanel::announce);
    m_retransmitTimer.setInterval(retransmitMs);
    m_retransmitTimer.setSingleShot(true);
    connect(&m_retransmitTimer, &QTimer::timeout, this, &UdpPanel::retransmit);
    connect(&m_socket, &QUdpSocket::readyRead, this, &UdpPanel::takePending);
}

bool UdpPanel::start()
{
    // A configurator on this machine is reached over loopback alone; one
    // elsewhere needs the outward interfaces.
    const bool ipv6 = m_configurator.protocol() == QAbstractSocket::IPv6Protocol;
    const QHostAddress local = !m_configurator.isLoopback() ? QHostAddress(QHostAddress::Any)
                               : ipv6                       ? QHostAddress(QHostAddress::LocalHostIPv6)
                                                            : QHostAddress(QHostAddress::LocalHost);
    if (!m_socket.bind(local, 0) || !m_forger.bind(local, 0))
        return false;
    // The configurator may not listen yet: announce until it answers. An armed
    // panel says so once and is done.
    m_announceTimer.start();
    announce();
    return true;
}

void UdpPanel::announce()
{
    if (m_faults.armed) {
        m_announceTimer.stop();
        send(Frames::Armed);
        return;
    }
    send(Frames::Announcement);
}

void UdpPanel::takePending()
{
    while (m_socket.hasPendingDatagrams()) {
        QByteArray datagram(int(m_socket.pendingDatagramSize()), '\0');
        m_socket.readDatagram(datagram.data(), datagram.size());
        hear(datagram);
    }
}

void UdpPanel::hear(const QByteArray& datagram)
{
    if (datagram == ConnectRemote) {
        m_announceTimer.stop();
        m_mode = Mode::Idle;
        if (!m_faults.noReady)
            send(reply(Frames::Ready));
        if (m_faults.reannounce)
            send(Frames::Announcement);
        return;
    }
    if (datagram == ConnectLocal) {
        if (!m_faults.noRelinkReady)
            send(reply(Frames::Ready));
        return;
    }
    if (datagram == ReadRequest) {
        m_mode = Mode::Reading;
        m_lastBlock = 0;
        if (m_faults.silentFrom == 0)
            return;
        send(reply(Frames::Ack));
        sendBlock(1);
        return;
    }
    if (datagram == WriteRequest) {
        m_mode = Mode::Writing;
        m_written = 0;
        m_received.clear();
        if (m_faults.silentAfterWritten == 0)
            return;
        if (m_faults.faultByte)
            send(reply(Frames::Fault));
        send(reply(Frames::Ack));
        return;
    }
    if (m_mode == Mode::Reading)
        serveRead(datagram);
    else if (m_mode == Mode::Writing)
        takeWrite(datagram);
}

void UdpPanel::serveRead(const QByteArray& datagram)
{
    if (datagram == reply(Frames::Ack)) {
        m_retransmitTimer.stop();
        if (m_lastBlock < Frames::BlockCount)
            sendBlock(m_lastBlock + 1);
    } else if (datagram == reply(Frames::Nak)) {
        m_retransmitTimer.stop();
        retransmit();
    }
}

void UdpPanel::sendBlock(int number)
{
    m_lastBlock = number;
    if (m_faults.silentFrom > 0 && number >= m_faults.silentFrom)
        return;
    int carried = number;
    if (number == m_faults.outOfSequence) {
        carried = number + 2;
        m_faults.outOfSequence = 0;
    }
    const Frames::BlockSpan span = Frames::cutImage().at(carried - 1);
    const QByteArray data = m_image.mid(span.position - 1, span.count);
    m_lastDatagram = Frames::toBytes(Frames::panelBlock(Frames::OpRead, carried, data));
    if (m_faults.spoof) {
        const QByteArray forged(span.count, '\x5A');
        sendForged(Frames::toBytes(Frames::panelBlock(Frames::OpRead, carried, forged)));
    }
    m_retransmitTimer.start();
    if (m_faults.lost.remove(number))
        return;
    if (m_faults.badCrc.remove(number)) {
        QByteArray damaged = m_lastDatagram;
        damaged[Frames::BlockHeaderSize] = static_cast<char>(damaged[Frames::BlockHeaderSize] ^ 0x01);
        send(damaged);
        return;
    }
    send(m_lastDatagram);
    if (m_faults.repeated.remove(number))
        send(m_lastDatagram);
}

void UdpPanel::retransmit()
{
    if (m_mode == Mode::Reading && !m_lastDatagram.isEmpty())
        send(m_lastDatagram);
}

void UdpPanel::takeWrite(const QByteArray& datagram)
{
    if (datagram.size() != Frames::BlockSize || static_cast<std::uint8_t>(datagram[0]) != Frames::OpWrite)
        return;
    if (!outgoingCrcHolds(datagram)) {
        send(reply(Frames::Nak));
        return;
    }
    const int number = static_cast<std::uint8_t>(datagram[1]) | (static_cast<std::uint8_t>(datagram[2]) << 8);
    if (number == m_written + 1) {
        const int count = static_cast<std::uint8_t>(datagram[Frames::BlockCountOffset]);
        m_received.append(datagram.mid(Frames::BlockHeaderSize, count));
        ++m_written;
        QString error;
        if (m_received.size() >= ImageLayout::ImageSize && !m_savePath.isEmpty()
            && !PanelOptions::saveImage(m_savePath, m_received.left(ImageLayout::ImageSize), &error))
            QTextStream(stderr) << error << Qt::endl;
    }
    if (m_faults.silentAfterWritten > 0 && m_written >= m_faults.silentAfterWritten)
        return;
    if (m_faults.spoof) {
        sendForged(reply(Frames::Fault));
        sendForged(Frames::Armed);
        sendForged(reply(Frames::Ack));
    }
    send(reply(Frames::Ack));
}

void UdpPanel::send(const QByteArray& datagram)
{
    m_socket.writeDatagram(datagram, m_configurator, m_port);
}

void UdpPanel::sendForged(const QByteArray& datagram)
{
    m_forger.writeDatagram(datagram, m_configurator, m_port);
}
