#pragma once

#include "Dialogs.h"

#include <functional>

class QPagedPaintDevice;
class QTextDocument;

// A document of the window on paper: printed through the system's print
// dialog, or saved as a PDF file where the save dialog says. A document that
// breaks its own pages draws itself on the device; a text document is paged
// by Qt.
namespace DocumentOutput {

// Draws a document on the pages the device is set up for.
using Pages = std::function<void(QPagedPaintDevice&)>;

// Nothing is printed when the print dialog is cancelled.
void print(const Pages& pages, const QString& name, Dialogs& dialogs);
void print(const QTextDocument& document, const QString& name, Dialogs& dialogs);

// On A4, written whole or not at all; a file that cannot be written is told
// in a box with `caption`, `failure` its text with the file's name for %1 and
// the cause for %2. True when the file was written.
bool savePdf(const Pages& pages, const QString& title, const Dialogs::FileRequest& request, const QString& failure,
             const QString& caption, Dialogs& dialogs);
// The file's title is the document's.
bool savePdf(const QTextDocument& document, const Dialogs::FileRequest& request, const QString& caption,
             Dialogs& dialogs);

} // namespace DocumentOutput
