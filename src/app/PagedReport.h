#pragma once

#include "ReportWriter.h"

#include <QList>
#include <QSizeF>
#include <QString>
#include <QTextDocument>

class QPainter;
class QPaintDevice;
struct ReportContent;

// A report laid out on pages of a device: a table that is short, or has no
// column headings to repeat, and fits on a page is kept whole; a longer one
// repeats its column headings on every page it reaches and brings a few rows
// onto its first page; a heading always stands above its table's first row.
class PagedReport final {
public:
    // `body` is the part of a page the report takes, in the device's pixels.
    PagedReport(const ReportContent& content, QPaintDevice& device, const QSizeF& body);

    int pageCount() const { return m_document.pageCount(); }
    // The page (from 0), its top left at the painter's origin.
    void drawPage(QPainter& painter, int page) const;

    // Where a table landed: the pages (from 0) of its heading, of its first
    // row under the column headings, and of its end.
    struct Placement {
        QString heading;
        int headingPage = 0;
        int firstRowPage = 0;
        int lastPage = 0;
    };
    QList<Placement> placements() const;

private:
    int pageOf(qreal y) const;
    // The layout stretches the last row of a table parted by a page down to
    // the page's foot and leaves it open there.
    void closeParted(QPainter& painter, const QRectF& view) const;

    QTextDocument m_document;
    QList<ReportWriter::Unit> m_units;
};
