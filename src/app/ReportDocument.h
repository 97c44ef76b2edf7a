#pragma once

#include "ReportContent.h"

#include <QCoreApplication>
#include <QTextDocument>

class QPagedPaintDevice;

// A report laid out for paper: the same document for the preview, the printer
// and the PDF file. On paper a table that fits on a page is kept whole, a
// longer one repeats its column headings on every page it reaches, a heading
// always stands above its table's first row, and every page ends with its
// number and the number of pages.
class ReportDocument final {
    Q_DECLARE_TR_FUNCTIONS(ReportDocument)

public:
    explicit ReportDocument(const ReportContent& content);

    // The report as one flowing text, for the preview.
    const QTextDocument& document() const { return m_document; }
    QString html() const { return m_document.toHtml(); }

    // On the pages the device is set up for (a printer: as its dialog left
    // it); the number of pages.
    int print(QPagedPaintDevice& device) const;

private:
    ReportContent m_content;
    QTextDocument m_document;
};
