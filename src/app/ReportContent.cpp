#include "ReportContent.h"

ReportContent ReportContent::headedFor(const Source& source, const Options& options)
{
    ReportContent report;
    report.account = source.account;
    report.programVersion = source.programVersion;
    report.madeAt = source.madeAt;
    report.site = source.site;
    report.options = options;
    return report;
}
