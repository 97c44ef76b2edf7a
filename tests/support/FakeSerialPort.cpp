#include "FakeSerialPort.h"

bool FakeSerialPort::open(const QString& portName)
{
    openedNames.append(portName);
    m_open = !refuseOpen && !denyPermission;
    m_permissionDenied = denyPermission;
    if (m_open)
        m_input.clear();
    return m_open;
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
    m_input.append(bytes);
    Q_EMIT dataAvailable();
}
