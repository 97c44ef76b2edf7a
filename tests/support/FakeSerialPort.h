#pragma once

#include "SerialPort.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <functional>

// A serial line driven by the test: bytes pushed in arrive as one data event,
// every write is recorded, and the line can refuse, fill up or fail.
class FakeSerialPort final : public SerialPort {
    Q_OBJECT
public:
    bool open(const QString& portName) override;
    bool permissionDenied() const override { return m_permissionDenied; }
    // Like a real port, a closed one keeps no bytes and receives none.
    void close() override;
    bool isOpen() const override { return m_open; }

    qint64 bytesAvailable() const override { return m_input.size(); }
    QByteArray read(qint64 maxSize) override;
    qint64 outputFree() const override { return freeSpace; }
    bool write(const QByteArray& bytes) override;

    // The far end sends these bytes; the data event follows at once while the port is open.
    void push(const QByteArray& bytes);
    // The line goes away (cable pulled out).
    void fail() { Q_EMIT failed(); }

    QList<QByteArray> writes;          // every write, in order
    QStringList openedNames;
    bool refuseOpen = false;
    // Refuses to open as a device the user may not use.
    bool denyPermission = false;
    bool refuseWrites = false;
    qint64 freeSpace = 4096;
    // Runs after every accepted write: the test's panel answers here.
    std::function<void(const QByteArray&)> onWrite;

private:
    bool m_open = false;
    bool m_permissionDenied = false;
    QByteArray m_input;
};
