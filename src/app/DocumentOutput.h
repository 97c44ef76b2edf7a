#pragma once

#include "Dialogs.h"

class QTextDocument;

// A document of the window on paper: printed through the system's print
// dialog, or saved as a PDF file where the save dialog says.
namespace DocumentOutput {

// Nothing is printed when the print dialog is cancelled.
void print(const QTextDocument& document, const QString& name, Dialogs& dialogs);

// On A4, written whole or not at all; a file that cannot be written is told
// in a box with `caption`. True when the file was written.
bool savePdf(const QTextDocument& document, const Dialogs::FileRequest& request, const QString& caption,
             Dialogs& dialogs);

} // namespace DocumentOutput
