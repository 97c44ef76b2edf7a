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
