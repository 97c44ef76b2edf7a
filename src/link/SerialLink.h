#pragma once

#include "LinkVars.h"
#include "TickClock.h"

#include <QByteArray>
#include <QObject>

#include <memory>
#include <vector>

class ConfigImage;
class Dialogs;
class LinkHost;
class SerialPort;

// The panel on a local serial port: the connect handshake, the port's data and
// timer events, and the serial side of the read and write transfers.
class SerialLink final : public QObject {
    Q_OBJECT
public:
    enum class Timer { LinkWatchdog, RetryTimer };

    struct Parts {
        LinkVars& vars;
        ConfigImage& image;
        LinkHost& host;
        Dialogs& dialogs;
        TickClock& clock;
        SerialPort& port;
    };

    explicit SerialLink(const Parts& parts);
    ~SerialLink() override;

    // Asks for a port, opens it and creates the two timers; false when refused.
    bool openPort();
    // Closes the port and removes its timers; the next opening asks again.
    void closePort();
    bool isOpen() const;

    void SetConnect();
    // The serial branches of the read command and of the write start.
    void sendReadRequest();
    void sendWriteRequest();

    void ComPortTriggerAvail(qint64 count);
    void ComPortTriggerTimer(Timer timer);

private:
    void onDataAvailable();
    void onPortFailed();
    void onReplyByte(std::uint8_t reply);
    bool writing() const;

    void assembleBlock(qint64 count);
    void judgeBlock();
    void rejectBlock();
    void acceptBlock();
    // The read ends with this box; the connect handshake starts again.
    void abandonRead(const QString& text, const QString& caption);
    void finishRead();

    void sendNextBlock();
    void endWrite();

    void onRetryTimer();
    void onWatchdog();

    // The line refused bytes or went away: the transfer ends, the port closes.
    void portLost();
    // The connection is over (the line lost, the panel given up or at fault):
    // closes the port and leaves the controls stand-alone with this status,
    // then shows the error box.
    void endConnection(const QString& status, const QString& text, const QString& caption);

    bool send(const QByteArray& bytes);
    bool hasRoomFor(qint64 bytes) const;
    void arm(Timer timer, int ticks);
    void stop(Timer timer);

    LinkVars& m_vars;
    ConfigImage& m_image;
    LinkHost& m_host;
    Dialogs& m_dialogs;
    TickClock& m_clock;
    SerialPort& m_port;
    QString m_portName;   // the port opened, as the user chose it

    std::unique_ptr<TickTimer> m_linkWatchdog;
    std::unique_ptr<TickTimer> m_retryTimer;
    std::vector<std::unique_ptr<TickTimer>> m_closedTimers;
};
