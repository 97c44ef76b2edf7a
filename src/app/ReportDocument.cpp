#include "ReportDocument.h"

#include "PagedReport.h"
#include "ReportWriter.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr int FooterPointSize = 8;
constexpr qreal FooterMillimetres = 8;

qreal fromMillimetres(qreal millimetres, const QPaintDevice& device)
{
    return millimetres * device.logicalDpiY() / 25.4;
}

void drawFooter(QPainter& painter, const QRectF& area, const QString& left, const QString& right)
{
    painter.save();
    QFont font = ReportWriter::bodyFont();
    font.setPointSize(FooterPointSize);
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, left);
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, right);
    painter.restore();
}

} // namespace

ReportDocument::ReportDocument(const ReportContent& content)
    : m_content(content)
{
    ReportWriter::write(m_document, m_content);
}

int ReportDocument::print(QPagedPaintDevice& device) const
{
    const qreal footer = fromMillimetres(FooterMillimetres, device);
    const QSizeF body(device.width(), device.height() - footer);
    const PagedReport paged(m_content, device, body);

    QPainter painter(&device);
    if (!painter.isActive())
        return 0;
    const int pages = paged.pageCount();
    const QString title = tr("Конфигурация ППК %1, %2")
                              .arg(m_content.account, m_content.madeAt.toString(QStringLiteral("dd.MM.yyyy")));
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        paged.drawPage(painter, page);
        drawFooter(painter, QRectF(0, body.height() + footer / 3, body.width(), footer * 2 / 3), title,
                   tr("стр. %1 из %2").arg(page + 1).arg(pages));
    }
    return pages;
}
