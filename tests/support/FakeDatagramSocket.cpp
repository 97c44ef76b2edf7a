#include "FakeDatagramSocket.h"

bool FakeDatagramSocket::listen(quint16 port)
{
    m_port = port;
    m_listening = !refuseListening;
    return m_listening;
}

bool FakeDatagramSocket::send(const QByteArray& datagram, const QHostAddress& address, quint16 port)
{
    sent.append({datagram, address, port});
    if (m_hook)
        m_hook(sent.constLast());
    return true;
}

void FakeDatagramSocket::deliver(const QByteArray& datagram, const QHostAddress& sender, quint16 senderPort)
{
    if (m_listening)
        Q_EMIT received(datagram, sender, senderPort);
}
