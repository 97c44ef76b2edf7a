#include "ReportContent.h"

ReportContent ReportContent::headedFor(const Source& source, const Options& options)
{
    ReportContent report;
    report.account = source.account;
    report.programVersion = source.programVersion;
    report.madeAt = source.madeAt;
    report.site = source.site;
    report.options = options;
    report.failedChecks = source.pages.failedChecks;
    return report;
}

QStringList ReportContent::checksNote(const QStringList& failedChecks)
{
    if (failedChecks.isEmpty())
        return {};
    QStringList note{tr("Внимание: конфигурация не проходит проверку перед записью"),
                     tr("Отчёт показывает конфигурацию так, как её показывают страницы; «Записать» не запишет её "
                        "в таком виде:")};
    for (const QString& check : failedChecks)
        note.append(QStringLiteral("• ") + check);
    return note;
}
