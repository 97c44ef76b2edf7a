#pragma once

#include "UdpPanelFaults.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

// A panel that announces itself to the configurator and then serves one read
// or one write, one datagram per frame, block or reply.
class UdpPanel final : public QObject {
public:
    UdpPanel(const QHostAddress& configurator, quint16 port, QByteArray image, QString savePath,
             UdpPanelFaults faults, int retransmitMs);

    bool start();

private:
    void announce();
    void takePending();
    void hear(const QByteArray& datagram);
    void serveRead(const QByteArray& datagram);
    void takeWrite(const QByteArray& datagram);
    void sendBlock(int number);
    void retransmit();
    void send(const QByteArray& datagram);
    void sendForged(const QByteArray& datagram);

    QHostAddress m_configurator;
    quint16 m_port;
    QByteArray m_image;
    QString m_savePath;
    UdpPanelFaults m_faults;
    QUdpSocket m_socket;
    QUdpSocket m_forger;
    QTimer m_announceTimer;
    QTimer m_retransmitTimer;

    enum class Mode { Announcing, Idle, Reading, Writing };
    Mode m_mode = Mode::Announcing;
    int m_lastBlock = 0;       // read: the block sent last
    QByteArray m_lastDatagram; // read: what a retransmission sends
    int m_written = 0;         // write: blocks taken
    QByteArray m_received;
};
