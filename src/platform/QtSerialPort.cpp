#include "QtSerialPort.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr qint32 BaudRate = 115200;
// The output buffer the link reckons with.
constexpr qint64 OutputBufferSize = 4096;

// A bare name such as ttyUSB0 is a device under /dev, as for QSerialPort.
QString devicePath(const QString& portName)
{
    const bool path = portName.startsWith(QLatin1Char('/')) || portName.startsWith(QLatin1String("./"))
                      || portName.startsWith(QLatin1String("../"));
    return path ? portName : QDir(QStringLiteral("/dev")).filePath(portName);
}

// Qt reports a port that another program holds as a permission error too: only
// a device file the user may not read and write is a matter of rights.
bool deviceForbidden(const QString& portName)
{
    const QFileInfo device(devicePath(portName));
    return device.exists() && !(device.isReadable() && device.isWritable());
}

QtSerialPort::OpenFailure failureOf(QSerialPort::SerialPortError error, const QString& portName)
{
    using Failure = QtSerialPort::OpenFailure;
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return Failure::NoSuchPort;
    case QSerialPort::UnsupportedOperationError: // no terminal: a file, a pipe, a device of another kind
        return Failure::NotSerialPort;
    case QSerialPort::PermissionError:
        return deviceForbidden(portName) ? Failure::Forbidden : Failure::InUse;
    default:
        return QFileInfo(devicePath(portName)).isDir() ? Failure::NotSerialPort : Failure::Other;
    }
}

} // namespace

QtSerialPort::QtSerialPort(QObject* parent)
    : SerialPort(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &SerialPort::dataAvailable);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
}

bool QtSerialPort::open(const QString& portName)
{
    m_permissionDenied = false;
    m_openFailure = OpenFailure::None;
    m_openFailureReason.clear();
    if (m_port.isOpen())
        m_port.close();
    m_port.setPortName(portName);
    m_port.setBaudRate(BaudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_openFailure = failureOf(m_port.error(), portName);
        m_openFailureReason = m_port.errorString();
        m_permissionDenied = m_openFailure == OpenFailure::Forbidden;
        m_port.clearError();
        return false;
    }
    // Bytes already waiting belong to an earlier connection (the panel's answer
    // to the last frame of a configurator that has gone): taken for this one's,
    // an old ready byte would start a transfer before the panel has answered.
    m_port.clear(QSerialPort::Input);
    return true;
}

void QtSerialPort::close()
{
    m_permissionDenied = false;
    if (m_port.isOpen()) {
        // Written bytes wait in the port's buffer for the event loop; a
        // transfer's last ACK is written just before the closing and would
        // otherwise never reach the panel.
        m_port.flush();
        m_port.close();
    }
    m_port.clearError();
}

bool QtSerialPort::isOpen() const
{
    return m_port.isOpen();
}

qint64 QtSerialPort::bytesAvailable() const
{
    return m_port.bytesAvailable();
}

QByteArray QtSerialPort::read(qint64 maxSize)
{
    return m_port.read(maxSize);
}

qint64 QtSerialPort::outputFree() const
{
    return std::max<qint64>(0, OutputBufferSize - m_port.bytesToWrite());
}

bool QtSerialPort::write(const QByteArray& bytes)
{
    return m_port.isOpen() && m_port.write(bytes) == bytes.size();
}

void QtSerialPort::onError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError: // the device went away
    case QSerialPort::ReadError:     // a pseudo-terminal whose far end closed
    case QSerialPort::WriteError:
        if (m_port.isOpen()) {
            // Reported after the caller's current step, never inside it.
            QMetaObject::invokeMethod(this, &SerialPort::failed, Qt::QueuedConnection);
        }
        break;
    default:
        // Modem-line requests a pseudo-terminal cannot serve, timeouts: harmless.
        break;
    }
}
