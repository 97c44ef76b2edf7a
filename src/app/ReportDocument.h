#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QTextDocument>

class QPagedPaintDevice;
struct ReportContent;

// A report laid out for paper: the same document for the preview, the printer
// and the PDF file.
class ReportDocument final {
    Q_DECLARE_TR_FUNCTIONS(ReportDocument)
public:
    explicit ReportDocument(const ReportContent& content);

    // The document's heading, and the PDF file's title.
    static QString title();

    const QTextDocument& document() const { return m_document; }
    QString html() const { return m_document.toHtml(); }

    // On the pages the device is set up for (a printer: as its dialog left it).
    void print(QPagedPaintDevice& device) const;
    // A PDF file's bytes, on A4.
    QByteArray pdf() const;

private:
    QTextDocument m_document;
};
