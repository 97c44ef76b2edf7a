#include "PagedReport.h"

#include "ReportContent.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextTable>

#include <cmath>

namespace {

// Long enough for any report, short enough for the layout's fixed-point arithmetic.
constexpr qreal UnpagedHeight = 1e7;
// The resolution the text layout takes pixel lengths at.
constexpr qreal ScreenDpi = 96;

// A pixel of the device either way is not worth a page: the layout rounds.
constexpr qreal Slack = 1;

int pageOf(qreal y, qreal pageHeight)
{
    return static_cast<int>(std::floor((y + Slack) / pageHeight));
}

qreal topOf(const QTextDocument& document, const ReportWriter::Unit& unit)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    return unit.headingPosition < 0 ? layout->frameBoundingRect(unit.table).top()
                                    : layout->blockBoundingRect(document.findBlock(unit.headingPosition)).top();
}

// How far a unit reaches below its top: to its table's end, and to the end
// of its opening rows under the column headings.
struct Reach {
    qreal whole = 0;
    qreal opening = 0;
};

// The rows a table parted by a page brings at least onto its first page.
constexpr int OpeningRows = 3;

Reach reachOf(const QTextDocument& document, const ReportWriter::Unit& unit)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    const qreal top = topOf(document, unit);
    const qreal bottom = layout->frameBoundingRect(unit.table).bottom();
    const int openingRow = std::min(unit.headerRows + OpeningRows, unit.table->rows()) - 1;
    qreal opening = top;
    for (int column = 0; column < unit.table->columns(); ++column) {
        const QTextTableCell cell = unit.table->cellAt(openingRow, column);
        opening = std::max(opening, layout->blockBoundingRect(document.findBlock(cell.lastPosition())).bottom());
    }
    return {bottom - top, opening - top};
}

void breakBefore(QTextDocument& document, const ReportWriter::Unit& unit)
{
    if (unit.headingPosition < 0) {
        QTextTableFormat format = unit.table->format();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        unit.table->setFormat(format);
        return;
    }
    QTextCursor cursor(document.findBlock(unit.headingPosition));
    QTextBlockFormat format = cursor.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(format);
}

// Moves a unit to the next page where the rest of its page cannot take it:
// all of it when it is short, or has no column headings to repeat, and fits on
// a page; otherwise its heading and opening rows. A unit kept with the one
// before it takes that one along where both fit on a page.
void keepTogether(QTextDocument& document, const QList<ReportWriter::Unit>& units)
{
    const QSizeF page = document.pageSize();
    document.setPageSize({page.width(), UnpagedHeight});
    QList<Reach> reaches;
    QList<qreal> tops;
    for (const ReportWriter::Unit& unit : units) {
        reaches.append(reachOf(document, unit));
        tops.append(topOf(document, unit));
    }
    document.setPageSize(page);

    const auto roomBelow = [&](const ReportWriter::Unit& unit) {
        const qreal top = topOf(document, unit);
        return (pageOf(top, page.height()) + 1) * page.height() - top;
    };
    for (qsizetype index = 0; index < units.size(); ++index) {
        const ReportWriter::Unit& unit = units.at(index);
        const qreal room = roomBelow(unit);
        const Reach& reach = reaches.at(index);
        const bool keptWhole = reach.whole <= page.height() / (unit.headerRows > 0 ? 2 : 1);
        const qreal needed = keptWhole ? reach.whole : reach.opening;
        if (needed <= room + Slack || room >= page.height() - Slack)
            continue;
        const bool withPrevious = unit.keptWithPrevious && index > 0
                                  && tops.at(index) + reach.whole - tops.at(index - 1) <= page.height()
                                  && roomBelow(units.at(index - 1)) < page.height() - Slack;
        breakBefore(document, withPrevious ? units.at(index - 1) : unit);
        // The layout redone after a format change can miss the blocks that
        // follow a table; all of it is laid out again.
        document.markContentsDirty(0, document.characterCount());
    }
}

} // namespace

PagedReport::PagedReport(const ReportContent& content, QPaintDevice& device, const QSizeF& body)
{
    // Laid out with the device's own measures, so the pages break where they will be printed.
    m_document.documentLayout()->setPaintDevice(&device);
    m_document.setDocumentMargin(0);
    m_document.setPageSize(body);
    m_units = ReportWriter::write(m_document, content);
    keepTogether(m_document, m_units);
}

void PagedReport::drawPage(QPainter& painter, int page) const
{
    const QSizeF body = m_document.pageSize();
    const QRectF view(0, page * body.height(), body.width(), body.height());
    painter.save();
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    // What starts on the next page's first line is left to that page.
    context.clip = view.adjusted(0, 0, 0, -1);
    context.palette.setColor(QPalette::Text, Qt::black);
    m_document.documentLayout()->draw(&painter, context);
    painter.restore();
    closeParted(painter, view);
}

QList<PagedReport::Placement> PagedReport::placements() const
{
    QAbstractTextDocumentLayout* layout = m_document.documentLayout();
    QList<Placement> placements;
    for (const ReportWriter::Unit& unit : m_units) {
        const QRectF table = layout->frameBoundingRect(unit.table);
        const QTextBlock heading = m_document.findBlock(unit.headingPosition);
        const int firstRow = std::min(unit.headerRows, unit.table->rows() - 1);
        const QTextBlock firstCell = m_document.findBlock(unit.table->cellAt(firstRow, 0).firstPosition());
        placements.append({unit.headingPosition < 0 ? QString() : heading.text(), pageOf(topOf(m_document, unit)),
                           pageOf(layout->blockBoundingRect(firstCell).top()), pageOf(table.bottom() - 2 * Slack)});
    }
    return placements;
}

int PagedReport::pageOf(qreal y) const
{
    return ::pageOf(y, m_document.pageSize().height());
}

// Closed with the tables' line, across the page as every lined table is.
void PagedReport::closeParted(QPainter& painter, const QRectF& view) const
{
    const qreal width = ReportWriter::LineWidth * painter.device()->logicalDpiY() / ScreenDpi;
    const qreal foot = view.height() - width / 2;
    painter.save();
    painter.setPen(QPen(ReportWriter::lineColour(), width));
    for (const ReportWriter::Unit& unit : m_units) {
        const QRectF table = m_document.documentLayout()->frameBoundingRect(unit.table);
        if (table.top() < view.bottom() && table.bottom() > view.bottom())
            painter.drawLine(QPointF(0, foot), QPointF(view.width(), foot));
    }
    painter.restore();
}
