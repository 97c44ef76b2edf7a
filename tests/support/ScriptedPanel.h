#pragma once

#include "TickClock.h"

#include <QByteArray>

#include <memory>

class FakeSerialPort;

// A well-behaved panel behind a FakeSerialPort, answering a moment after each
// write in virtual time: the ready byte to a connect frame, its image block by
// block to a read request, ACK to a write request and to every written block.
class ScriptedPanel {
public:
    ScriptedPanel(FakeSerialPort& port, TickClock& clock, const QByteArray& image);

    QByteArray image;         // what a read sends
    QByteArray received;      // what a write delivered
    int blocksSent = 0;
    int acksReceived = 0;
    int naksReceived = 0;
    bool answerConnect = true;

private:
    void onWrite(const QByteArray& bytes);
    void reply(const QByteArray& bytes);
    QByteArray block(int number) const;

    FakeSerialPort& m_port;
    std::unique_ptr<TickTimer> m_replyTimer;
    QByteArray m_pending;
    bool m_reading = false;
    int m_nextBlock = 0;
};
