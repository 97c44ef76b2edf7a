#pragma once

#include <QString>

#include <cstdint>

class Dialogs;
class QLineEdit;

// PblPortEditChange: a port above 65535 is refused and the field emptied; a
// text that is not a whole number is reported and left as it is.
void PblPortEditChange(QLineEdit& field, Dialogs& dialogs);

// Runs the port check on every change of the field's text.
void watchPort(QLineEdit* field, Dialogs& dialogs);

// The port the remote-configuration endpoint listens on for the configurator
// port text: the whole number kept to its low 16 bits, or 9990 when the text is
// not a whole number.
std::uint16_t remoteListenPort(const QString& portText);
