#pragma once

#include "DatagramSocket.h"

#include <QList>

#include <functional>

// A socket without a network: it records what is sent and delivers what a test
// hands it, as if it had come from the given sender.
class FakeDatagramSocket final : public DatagramSocket {
    Q_OBJECT
public:
    struct Sent {
        QByteArray data;
        QHostAddress address;
        quint16 port;
    };

    bool listen(quint16 port) override;
    void stop() override { m_listening = false; }
    bool isListening() const override { return m_listening; }
    bool send(const QByteArray& datagram, const QHostAddress& address, quint16 port) override;

    // Reaches the listener only while it listens.
    void deliver(const QByteArray& datagram, const QHostAddress& sender, quint16 senderPort);
    // Runs after every datagram sent, so a test can script the far end.
    void onSend(std::function<void(const Sent&)> hook) { m_hook = std::move(hook); }

    quint16 port() const { return m_port; }
    QList<Sent> sent;
    bool refuseListening = false;

private:
    bool m_listening = false;
    quint16 m_port = 0;
    std::function<void(const Sent&)> m_hook;
};
