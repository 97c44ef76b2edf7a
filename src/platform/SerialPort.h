#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The panel's USB interface as the computer sees it: a serial line at
// 115200 baud, 8 data bits, no parity, 1 stop bit, no flow control.
class SerialPort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // False when the port is absent, busy or otherwise refused.
    virtual bool open(const QString& portName) = 0;
    // The last open() failed because the user may not use the device (on
    // Linux: not in the group that owns it); false again once the port is
    // opened or closed.
    virtual bool permissionDenied() const = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray read(qint64 maxSize) = 0;
    // Room left in the output buffer.
    virtual qint64 outputFree() const = 0;
    // False when the line refuses the bytes.
    virtual bool write(const QByteArray& bytes) = 0;

Q_SIGNALS:
    void dataAvailable();
    // The line is gone (the cable pulled out, the far end closed).
    void failed();
};
