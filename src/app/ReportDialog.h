#pragma once

#include "ReportContent.h"

#include <QDialog>

class Dialogs;
class Preferences;
class QCheckBox;
class QLineEdit;
class QTextBrowser;

// "Отчёт…": the report on the pages as a preview, with the installing company
// (kept between runs), the choice of all fields or only those that differ from
// the factory configuration, of passwords in clear and of the values kept for
// the panel itself; printed through the system's print dialog or saved as a
// PDF file.
class ReportDialog final : public QDialog {
    Q_OBJECT
public:
    ReportDialog(ReportContent::Source source, Dialogs& dialogs, Preferences& preferences, const QString& folder,
                 QWidget* parent = nullptr);

    const ReportContent& content() const { return m_content; }

    void printReport();
    void saveReportPdf();

private:
    void remake();

    ReportContent::Source m_source;
    Dialogs& m_dialogs;
    Preferences& m_preferences;
    QString m_folder;
    ReportContent m_content;
    QLineEdit* m_company = nullptr;
    QCheckBox* m_onlyNonFactory = nullptr;
    QCheckBox* m_showPasswords = nullptr;
    QCheckBox* m_detailed = nullptr;
    QTextBrowser* m_preview = nullptr;
};
