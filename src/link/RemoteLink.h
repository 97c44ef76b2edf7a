#pragma once

#include "LinkHost.h"
#include "LinkVars.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>

#include <chrono>
#include <functional>
#include <memory>

class ConfigImage;
class DatagramSocket;
class Dialogs;
class TickClock;
class TickTimer;

namespace Remote {
constexpr std::chrono::milliseconds TimerUDPInterval{2000};
constexpr std::chrono::milliseconds TimerWaitAckInterval{10000};
constexpr std::chrono::milliseconds TimerWaitBlockInterval{10000};
constexpr int RequestWaitSteps = 120;      // the wait for the announcement
constexpr int RequestWaitStepTicks = 20;   // 1.1 s per step
constexpr int ConnectRetries = 37;         // re-sendings of the connect frame
constexpr int ReadRetries = 5;             // renewed by every good block of a read
constexpr int WriteRetries = 7;            // renewed by every acknowledged block of a write
constexpr int ReplyPauseTicks = 2;         // before every ACK or block sent in answer
constexpr int RelinkPauseTicks = 20;       // between the connect frames after a write
constexpr int RelinkFrames = 2;            // connect frames at most after a write
constexpr int RelinkGaugeScale = 300;
} // namespace Remote

// The connection to a panel that announces itself over UDP: the wait for the
// announcement, the connect handshake, the datagram event, the three timers
// and the remote branches of the read command and of the write start. It works
// on the link variables it is given, which it shares with the serial link.
class RemoteLink final : public QObject {
public:
    RemoteLink(LinkVars& vars, LinkHost& host, Dialogs& dialogs, TickClock& clock, ConfigImage& image,
               DatagramSocket& socket, std::function<void()> closeSerialPort = {});
    ~RemoteLink() override;

    // Menu "Удаленная": closes the serial port, listens and waits for the announcement.
    void N2Click();
    // Double click on the clock: offers to abort the wait; puts the light out and stops listening.
    void JvClock1DblClick();
    void SetConnectUDP();
    void ConfUDPUDPRead(const QByteArray& datagram, const QHostAddress& sender, quint16 senderPort);
    void TimerUDPTimer();
    void TimerWaitAckTimer();
    void TimerWaitBlockTimer();

    // The remote branch of the read command, run after its common part. False,
    // with nothing sent, when no remote panel is linked.
    bool readBranch();
    // The remote branch of the write start, run after its common part with the
    // write request in the CommandFrame buffer. False, with nothing sent, when
    // no remote panel is linked.
    bool writeBranch();

    // For "USB" and for closing the program.
    void stopListening();
    bool isListening() const;

    bool isTimerUDPActive() const;
    bool isTimerWaitAckActive() const;
    bool isTimerWaitBlockActive() const;

private:
    bool heard(const QByteArray& datagram, const QHostAddress& sender, quint16 senderPort) const;
    void announced(const QHostAddress& sender, quint16 senderPort);
    void armed();
    void reply(std::uint8_t byte);
    void ready();
    void acknowledged();
    void rejected();
    void judgeBlock(const QByteArray& datagram);
    void rejectBlock();
    void readBlock();
    void awaitNextBlock();
    void sequenceBroken(int received);
    void finishRead();
    void sendNextBlock();
    void finishWrite();
    void giveUpWaitingAck();
    // The steps of "Удаленная" until a panel announces itself; false when none does.
    bool waitForAnnouncement();
    void failWait();

    // The panel of the connection, before its end forgets it.
    LinkHost::Route peerRoute() const;
    void sendToPeer(const QByteArray& bytes);
    void sendByte(std::uint8_t byte);
    void resendPending();
    // Waits with the window's events going on; false when the program is closing.
    bool pause(int ticks);
    void stopAllTimers();
    // Stand-alone after a connection ends: no timer of it left, the commands
    // back, without read and write, and the panel no longer heard.
    void endConnection();
    enum class Panel { Kept, Dropped };
    // A transfer over, however it ended, before the box that tells why (the
    // panel may still send while it is open): the light out and the link
    // stand-alone. Dropped also forgets the linked panel and the remote mode;
    // the two timer give-ups keep them, and a new wait starts afresh anyway.
    void endTransfer(Panel panel);

    LinkVars& m_vars;
    LinkHost& m_host;
    Dialogs& m_dialogs;
    ConfigImage& m_image;
    DatagramSocket& m_socket;
    std::function<void()> m_closeSerialPort;
    std::unique_ptr<TickTimer> m_timerUDP;
    std::unique_ptr<TickTimer> m_timerWaitAck;
    std::unique_ptr<TickTimer> m_timerWaitBlock;
};
