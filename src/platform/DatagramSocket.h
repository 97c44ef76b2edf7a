#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>

// UDP over IPv4: a listener on one local port of every IPv4 address, and single
// datagrams sent to an address and port. Each received datagram arrives whole,
// with its sender, on the user-interface thread.
class DatagramSocket : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Listens on the port (any previous listening ends first); false when the
    // port cannot be taken.
    virtual bool listen(quint16 port) = 0;
    virtual void stop() = 0;
    virtual bool isListening() const = 0;
    // False when the datagram could not be handed to the network.
    virtual bool send(const QByteArray& datagram, const QHostAddress& address, quint16 port) = 0;

Q_SIGNALS:
    void received(const QByteArray& datagram, const QHostAddress& sender, quint16 senderPort);
};
