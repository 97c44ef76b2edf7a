#pragma once

#include "ReportContent.h"

#include <QDialog>

class Dialogs;
class QCheckBox;
class QTextBrowser;

// "Отчёт…": the report on the pages as a preview, with the choice of all
// fields or only those that differ from the factory configuration, printed
// through the system's print dialog or saved as a PDF file.
class ReportDialog final : public QDialog {
    Q_OBJECT
public:
    ReportDialog(ReportContent::Source source, Dialogs& dialogs, const QString& folder, QWidget* parent = nullptr);

    const ReportContent& content() const { return m_content; }

    void printReport();
    void saveReportPdf();

private:
    void remake(bool onlyNonFactory);

    ReportContent::Source m_source;
    Dialogs& m_dialogs;
    QString m_folder;
    ReportContent m_content;
    QCheckBox* m_onlyNonFactory = nullptr;
    QTextBrowser* m_preview = nullptr;
};
