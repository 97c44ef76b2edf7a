#include "DocumentOutput.h"

#include "OutputFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

namespace {

constexpr qreal MarginMillimetres = 15;

DocumentOutput::Pages pagesOf(const QTextDocument& document)
{
    return [&document](QPagedPaintDevice& device) { document.print(&device); };
}

QByteArray pdfOf(const DocumentOutput::Pages& pages, const QString& title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("zq22lite"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres,
                                               MarginMillimetres),
                                     QPageLayout::Millimeter));
    pages(writer);
    return buffer.data();
}

} // namespace

void DocumentOutput::print(const Pages& pages, const QString& name, Dialogs& dialogs)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(name);
    if (dialogs.setUpPrinter(printer))
        pages(printer);
}

void DocumentOutput::print(const QTextDocument& document, const QString& name, Dialogs& dialogs)
{
    print(pagesOf(document), name, dialogs);
}

bool DocumentOutput::savePdf(const Pages& pages, const QString& title, const Dialogs::FileRequest& request,
                             const QString& failure, const QString& caption, Dialogs& dialogs)
{
    const auto path = dialogs.saveFile(request);
    if (!path)
        return false;
    const auto error = OutputFile::write(*path, pdfOf(pages, title));
    if (!error)
        return true;
    dialogs.message(Dialogs::Message::error(failure.arg(*path, error->shownText), caption));
    return false;
}

bool DocumentOutput::savePdf(const QTextDocument& document, const Dialogs::FileRequest& request,
                             const QString& caption, Dialogs& dialogs)
{
    return savePdf(pagesOf(document), document.metaInformation(QTextDocument::DocumentTitle), request,
                   QCoreApplication::translate("DocumentOutput", "Не удалось сохранить файл %1.\n%2"), caption,
                   dialogs);
}
