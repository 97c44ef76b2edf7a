#include "QtDatagramSocket.h"

#include <QNetworkDatagram>

QtDatagramSocket::QtDatagramSocket(QObject* parent)
    : DatagramSocket(parent)
{
    connect(&m_listener, &QUdpSocket::readyRead, this, &QtDatagramSocket::takePending);
}

bool QtDatagramSocket::listen(quint16 port)
{
    stop();
    // Exclusively: a port another program holds is reported, not shared.
    return m_listener.bind(QHostAddress::AnyIPv4, port, QAbstractSocket::DontShareAddress);
}

void QtDatagramSocket::stop()
{
    m_listener.close();
    m_inbox.clear();
}

bool QtDatagramSocket::isListening() const
{
    return m_listener.state() == QAbstractSocket::BoundState;
}

bool QtDatagramSocket::send(const QByteArray& datagram, const QHostAddress& address, quint16 port)
{
    QUdpSocket& socket = isListening() ? m_listener : m_sender;
    return socket.writeDatagram(datagram, address, port) == datagram.size();
}

// A handler of a datagram may wait with the event loop running; the socket does
// not announce new data while its own notification is still being handled, so
// the datagrams are taken at once and handed on one by one from the event queue.
void QtDatagramSocket::takePending()
{
    while (m_listener.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_listener.receiveDatagram();
        if (!datagram.isValid())
            continue;
        const QHostAddress sender(datagram.senderAddress().toIPv4Address());
        m_inbox.enqueue({datagram.data(), sender, static_cast<quint16>(datagram.senderPort())});
        QMetaObject::invokeMethod(this, &QtDatagramSocket::deliverNext, Qt::QueuedConnection);
    }
}

void QtDatagramSocket::deliverNext()
{
    if (m_inbox.isEmpty())
        return;
    const Datagram datagram = m_inbox.dequeue();
    Q_EMIT received(datagram.data, datagram.sender, datagram.senderPort);
}
