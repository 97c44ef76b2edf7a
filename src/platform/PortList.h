#pragma once

#include <QString>
#include <QStringList>

// The serial ports the system offers, as the port chooser lists them: the
// device, and its description when it has one.
namespace PortList {

QStringList choices();
// The device named by a listed choice, or the text itself when it is a typed path.
QString portOf(const QString& choice);

} // namespace PortList
