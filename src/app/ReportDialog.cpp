#include "ReportDialog.h"

#include "Dialogs.h"
#include "ReportDocument.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QTextBrowser>

namespace {

constexpr QSize InitialSize{640, 560};

QPushButton* button(QDialogButtonBox* box, const char* name, const QString& text)
{
    QPushButton* added = box->addButton(text, QDialogButtonBox::ActionRole);
    added->setObjectName(QLatin1String(name));
    added->setAutoDefault(false);
    return added;
}

} // namespace

ReportDialog::ReportDialog(ReportContent::Source source, Dialogs& dialogs, const QString& folder, QWidget* parent)
    : QDialog(parent)
    , m_source(std::move(source))
    , m_dialogs(dialogs)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("ReportDialog"));
    setWindowTitle(tr("Отчёт"));

    m_onlyNonFactory = new QCheckBox(tr("Только отличия от заводских установок"));
    m_onlyNonFactory->setObjectName(QStringLiteral("OnlyNonFactory"));
    connect(m_onlyNonFactory, &QCheckBox::toggled, this, &ReportDialog::remake);

    m_preview = new QTextBrowser;
    m_preview->setObjectName(QStringLiteral("ReportPreview"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    connect(button(buttons, "PrintReport", tr("Печать…")), &QPushButton::clicked, this,
            &ReportDialog::printReport);
    connect(button(buttons, "SaveReportPdf", tr("Сохранить в PDF…")), &QPushButton::clicked, this,
            &ReportDialog::saveReportPdf);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_onlyNonFactory);
    layout->addWidget(m_preview, 1);
    layout->addWidget(buttons);
    resize(InitialSize);
    remake(false);
}

void ReportDialog::remake(bool onlyNonFactory)
{
    m_content = ReportContent::of(m_source, onlyNonFactory);
    m_preview->setHtml(ReportDocument(m_content).html());
}

void ReportDialog::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Отчёт") + QLatin1Char(' ') + m_content.account);
    if (m_dialogs.setUpPrinter(printer))
        ReportDocument(m_content).print(printer);
}

void ReportDialog::saveReportPdf()
{
    const auto path = m_dialogs.saveFile({tr("Сохранение отчёта"), m_folder,
                                          tr("Отчёт") + QLatin1Char(' ') + m_content.account,
                                          {tr("Документы PDF (*.pdf)")}, QStringLiteral("pdf")});
    if (!path)
        return;
    // Written whole or not at all: a report cut short would still open, wrongly.
    QSaveFile file(*path);
    const QByteArray pdf = ReportDocument(m_content).pdf();
    if (file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() && file.flush() && file.commit())
        return;
    m_dialogs.message(Dialogs::Message::error(
        tr("Не удалось сохранить отчёт в файл %1.\n%2").arg(*path, file.errorString()), tr("Отчёт")));
}
