#pragma once

#include "DatagramSocket.h"

#include <QQueue>
#include <QUdpSocket>

class QtDatagramSocket final : public DatagramSocket {
    Q_OBJECT
public:
    explicit QtDatagramSocket(QObject* parent = nullptr);

    bool listen(quint16 port) override;
    void stop() override;
    bool isListening() const override;
    bool send(const QByteArray& datagram, const QHostAddress& address, quint16 port) override;

private:
    struct Datagram {
        QByteArray data;
        QHostAddress sender;
        quint16 senderPort;
    };

    void takePending();
    void deliverNext();

    QUdpSocket m_listener;
    // Sends while nothing listens, so no port is taken behind the user's back.
    QUdpSocket m_sender;
    QQueue<Datagram> m_inbox;
};
