#include "ReportDialog.h"

#include "Dialogs.h"
#include "OutputFile.h"
#include "ReportDocument.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>

namespace {

const QString ReportCaption = QStringLiteral("Отчёт");
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
    setWindowTitle(ReportCaption);

    m_onlyNonFactory = new QCheckBox(QStringLiteral("Только отличия от заводских установок"));
    m_onlyNonFactory->setObjectName(QStringLiteral("OnlyNonFactory"));
    connect(m_onlyNonFactory, &QCheckBox::toggled, this, &ReportDialog::remake);

    m_preview = new QTextBrowser;
    m_preview->setObjectName(QStringLiteral("ReportPreview"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Закрыть"));
    connect(button(buttons, "PrintReport", QStringLiteral("Печать…")), &QPushButton::clicked, this,
            &ReportDialog::printReport);
    connect(button(buttons, "SaveReportPdf", QStringLiteral("Сохранить в PDF…")), &QPushButton::clicked, this,
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
    printer.setDocName(ReportCaption + QLatin1Char(' ') + m_content.account);
    if (m_dialogs.setUpPrinter(printer))
        ReportDocument(m_content).print(printer);
}

void ReportDialog::saveReportPdf()
{
    const auto path = m_dialogs.saveFile({QStringLiteral("Сохранение отчёта"), m_folder,
                                          ReportCaption + QLatin1Char(' ') + m_content.account,
                                          {QStringLiteral("Документы PDF (*.pdf)")}, QStringLiteral("pdf")});
    if (!path)
        return;
    // Written whole or not at all: a report cut short would still open, wrongly.
    const auto error = OutputFile::write(*path, ReportDocument(m_content).pdf());
    if (!error)
        return;
    m_dialogs.message(Dialogs::Message::error(
        QStringLiteral("Не удалось сохранить отчёт в файл %1.\n%2").arg(*path, error->shownText), ReportCaption));
}
