#pragma once

#include "SerialPort.h"

#include <QSerialPort>

// The serial line over QSerialPort, set up for the panel: 115200 baud, 8N1,
// no flow control.
class QtSerialPort final : public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QObject* parent = nullptr);

    bool open(const QString& portName) override;
    bool permissionDenied() const override { return m_permissionDenied; }

    enum class OpenFailure { None, NoSuchPort, NotSerialPort, InUse, Forbidden, Other };
    // Why the last open() failed, and the system's words for it; kept until
    // the next open(), since the link closes the port before it says why.
    OpenFailure openFailure() const { return m_openFailure; }
    const QString& openFailureReason() const { return m_openFailureReason; }
    void close() override;
    bool isOpen() const override;

    qint64 bytesAvailable() const override;
    QByteArray read(qint64 maxSize) override;
    qint64 outputFree() const override;
    bool write(const QByteArray& bytes) override;

private:
    void onError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    bool m_permissionDenied = false;
    OpenFailure m_openFailure = OpenFailure::None;
    QString m_openFailureReason;
};
