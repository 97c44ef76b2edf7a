#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QList>

class QTextDocument;
class QTextTable;
struct ReportContent;

// Writes a report into a text document: its header, a note on the write
// checks the pages fail, every table under its heading, and the lines the
// installer and the customer sign.
class ReportWriter final {
    Q_DECLARE_TR_FUNCTIONS(ReportWriter)

public:
    // What must not be parted at a page's foot: a table with its heading
    // (none for the tables that have no heading), and its first rows.
    struct Unit {
        int headingPosition = -1;   // where the heading's block is in the document
        QTextTable* table = nullptr;
        int headerRows = 0;         // the column headings, repeated on every page the table reaches
        bool keptWithPrevious = false;   // not to stand alone on a page
    };

    // The lines of the tables: width in pixels at the screen's resolution.
    static constexpr qreal LineWidth = 0.5;
    static QColor lineColour() { return Qt::darkGray; }

    // The type of the report's text.
    static QFont bodyFont();

    // The units in the order they come in the document, which takes the
    // report's type as its own.
    static QList<Unit> write(QTextDocument& document, const ReportContent& content);
};
