#include "FakeSerialPort.h"

bool FakeSerialPort::open(const QString& portName)
{
    openedNames.append(portName);
    m_open = !refuseOpen && !denyPermission;
    m_permissionDenied = denyPermission;
    return m_open;
}

void FakeSerialPort::close()
{
    m_open = false;
    m_permissionDenied = false;
    m_input.clear();
}

QByteArray FakeSerialPort::read(qint64 maxSize)
{
    const QByteArray head = m_input.left(maxSize);
    m_input.remove(0, head.size());
    return head;
}

bool FakeSerialPort::write(const QByteArray& bytes)
{
    if (!m_open || refuseWrites)
        return false;
    writes.append(bytes);
    if (onWrite)
        onWrite(bytes);
    return true;
}

void FakeSerialPort::push(const QByteArray& bytes)
{
    if (!m_open)
        return;
    m_input.append(bytes);
    Q_EMIT dataAvailable();
}
