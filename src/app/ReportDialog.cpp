#include "ReportDialog.h"

#include "ConfigurationReport.h"
#include "DifferencesReport.h"
#include "DocumentOutput.h"
#include "Preferences.h"
#include "ReportDocument.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

namespace {

const QString CompanyKey = QStringLiteral("report/company");
constexpr QSize InitialSize{720, 600};

// The report with its own pages: tables kept whole, headings with their tables.
DocumentOutput::Pages pagesOf(const ReportDocument& document)
{
    return [&document](QPagedPaintDevice& device) { document.print(device); };
}

QPushButton* button(QDialogButtonBox* box, const char* name, const QString& text)
{
    QPushButton* added = box->addButton(text, QDialogButtonBox::ActionRole);
    added->setObjectName(QLatin1String(name));
    added->setAutoDefault(false);
    return added;
}

} // namespace

ReportDialog::ReportDialog(ReportContent::Source source, Dialogs& dialogs, Preferences& preferences,
                           const QString& folder, QWidget* parent)
    : QDialog(parent)
    , m_source(std::move(source))
    , m_dialogs(dialogs)
    , m_preferences(preferences)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("ReportDialog"));
    setWindowTitle(tr("Отчёт"));

    m_company = new QLineEdit(m_preferences.value(CompanyKey).toString());
    m_company->setObjectName(QStringLiteral("ReportCompany"));
    auto* companyLabel = new QLabel(tr("Монтажная организация:"));
    companyLabel->setBuddy(m_company);
    connect(m_company, &QLineEdit::textChanged, this, [this](const QString& company) {
        m_preferences.setValue(CompanyKey, company);
        remake();
    });

    m_onlyNonFactory = new QCheckBox(tr("Только отличия от заводских установок"));
    m_onlyNonFactory->setObjectName(QStringLiteral("OnlyNonFactory"));
    m_showPasswords = new QCheckBox(tr("Показать пароли"));
    m_showPasswords->setObjectName(QStringLiteral("ShowPasswords"));
    m_detailed = new QCheckBox(tr("Подробно"));
    m_detailed->setObjectName(QStringLiteral("Detailed"));
    for (QCheckBox* option : {m_onlyNonFactory, m_showPasswords, m_detailed})
        connect(option, &QCheckBox::toggled, this, &ReportDialog::remake);

    m_preview = new QTextBrowser;
    m_preview->setObjectName(QStringLiteral("ReportPreview"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    connect(button(buttons, "PrintReport", tr("Печать…")), &QPushButton::clicked, this,
            &ReportDialog::printReport);
    connect(button(buttons, "SaveReportPdf", tr("Сохранить в PDF…")), &QPushButton::clicked, this,
            &ReportDialog::saveReportPdf);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* company = new QHBoxLayout;
    company->addWidget(companyLabel);
    company->addWidget(m_company, 1);
    auto* options = new QHBoxLayout;
    options->addWidget(m_onlyNonFactory);
    options->addWidget(m_showPasswords);
    options->addWidget(m_detailed);
    options->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(company);
    layout->addLayout(options);
    // In sight whatever part of the preview is scrolled to.
    const QStringList checksNote = ReportContent::checksNote(m_source.pages.failedChecks);
    if (!checksNote.isEmpty()) {
        auto* checks = new QLabel(checksNote.join(u'\n'));
        checks->setObjectName(QStringLiteral("FailedCheck"));
        checks->setWordWrap(true);
        checks->setStyleSheet(QStringLiteral("color: red;"));
        layout->addWidget(checks);
    }
    layout->addWidget(m_preview, 1);
    layout->addWidget(buttons);
    resize(InitialSize);
    remake();
}

void ReportDialog::remake()
{
    const ReportContent::Options options{m_onlyNonFactory->isChecked(), m_showPasswords->isChecked(),
                                         m_detailed->isChecked(), m_company->text()};
    m_content = options.onlyNonFactory ? DifferencesReport::of(m_source, options)
                                       : ConfigurationReport::of(m_source, options);
    m_preview->setHtml(ReportDocument(m_content).html());
}

void ReportDialog::printReport()
{
    const ReportDocument document(m_content);
    DocumentOutput::print(pagesOf(document), tr("Отчёт") + QLatin1Char(' ') + m_content.account, m_dialogs);
}

void ReportDialog::saveReportPdf()
{
    const ReportDocument document(m_content);
    DocumentOutput::savePdf(pagesOf(document), tr("Конфигурация ППК Зорвел-22 Lite"),
                            {tr("Сохранение отчёта"), m_folder, tr("Отчёт") + QLatin1Char(' ') + m_content.account,
                             {tr("Документы PDF (*.pdf)")}, QStringLiteral("pdf")},
                            tr("Не удалось сохранить отчёт в файл %1.\n%2"), tr("Отчёт"), m_dialogs);
}
