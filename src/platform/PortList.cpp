#include "PortList.h"

#include <QSerialPortInfo>

namespace {

const QString Separator = QStringLiteral(" — ");

} // namespace

QStringList PortList::choices()
{
    QStringList choices;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& port : ports) {
        choices.append(port.description().isEmpty() ? port.systemLocation()
                                                    : port.systemLocation() + Separator + port.description());
    }
    return choices;
}

QString PortList::portOf(const QString& choice)
{
    return choice.section(Separator, 0, 0).trimmed();
}
