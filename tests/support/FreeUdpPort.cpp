#include "FreeUdpPort.h"

#include <QUdpSocket>

quint16 freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::AnyIPv4, 0);
    return probe.localPort();
}
