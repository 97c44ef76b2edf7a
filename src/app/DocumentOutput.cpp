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

QByteArray pdfOf(const QTextDocument& document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("zq22lite"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres,
                                               MarginMillimetres),
                                     QPageLayout::Millimeter));
    document.print(&writer);
    return buffer.data();
}

} // namespace

void DocumentOutput::print(const QTextDocument& document, const QString& name, Dialogs& dialogs)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(name);
    if (dialogs.setUpPrinter(printer))
        document.print(&printer);
}

bool DocumentOutput::savePdf(const QTextDocument& document, const Dialogs::FileRequest& request,
                             const QString& caption, Dialogs& dialogs)
{
    const auto path = dialogs.saveFile(request);
    if (!path)
        return false;
    const auto error = OutputFile::write(*path, pdfOf(document));
    if (!error)
        return true;
    dialogs.message(Dialogs::Message::error(
        QCoreApplication::translate("DocumentOutput", "Не удалось сохранить файл %1.\n%2").arg(*path, error->shownText),
        caption));
    return false;
}
