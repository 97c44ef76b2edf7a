#include "ReportDocument.h"

#include "ReportContent.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

namespace {

constexpr int BodyPointSize = 10;
constexpr qreal MarginMillimetres = 15;

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString headerRow(const QString& caption, const QString& value)
{
    return QStringLiteral("<tr><td>%1</td><td><b>%2</b></td></tr>").arg(escaped(caption), escaped(value));
}

QString htmlOf(const ReportContent& content)
{
    QString text = QStringLiteral("<h2>%1</h2><table cellpadding=\"2\">").arg(escaped(ReportDocument::title()));
    text += headerRow(ReportDocument::tr("Номер ППК:"), content.account);
    text += headerRow(ReportDocument::tr("Дата и время:"), content.madeAt.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
    text += headerRow(ReportDocument::tr("Версия программы:"), content.programVersion);
    text += QStringLiteral("</table>");
    if (content.onlyNonFactory)
        text += QStringLiteral("<p><i>%1</i></p>").arg(ReportDocument::tr("Только отличия от заводских установок"));
    if (content.sections.isEmpty())
        text += QStringLiteral("<p>%1</p>").arg(ReportDocument::tr("Все значения совпадают с заводскими установками."));

    QString page;
    for (const ReportContent::Section& section : content.sections) {
        if (section.page != page) {
            page = section.page;
            text += QStringLiteral("<h3>%1</h3>").arg(escaped(page));
        }
        if (!section.name.isEmpty())
            text += QStringLiteral("<h4>%1</h4>").arg(escaped(section.name));
        text += QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
        for (const ReportContent::Row& row : section.rows) {
            text += QStringLiteral("<tr><td width=\"45%\">%1</td><td>%2</td></tr>")
                        .arg(escaped(row.caption), escaped(row.value));
        }
        text += QStringLiteral("</table>");
    }
    return text;
}

} // namespace

QString ReportDocument::title()
{
    return tr("Конфигурация ППК Зорвел-22 Lite");
}

ReportDocument::ReportDocument(const ReportContent& content)
{
    QFont font = m_document.defaultFont();
    font.setPointSize(BodyPointSize);
    m_document.setDefaultFont(font);
    m_document.setHtml(htmlOf(content));
}

void ReportDocument::print(QPagedPaintDevice& device) const
{
    m_document.print(&device);
}

QByteArray ReportDocument::pdf() const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title());
    writer.setCreator(QStringLiteral("zq22lite"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres,
                                               MarginMillimetres),
                                     QPageLayout::Millimeter));
    print(writer);
    return buffer.data();
}
