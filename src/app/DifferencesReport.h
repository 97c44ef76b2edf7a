#pragma once

#include "ReportContent.h"

#include <QCoreApplication>

// The tables of a report on what the configuration changes: page by page,
// every field whose value is not the factory one, or that the image cannot
// hold, with both values.
class DifferencesReport final {
    Q_DECLARE_TR_FUNCTIONS(DifferencesReport)

public:
    // The report on what the source's configuration changes.
    static ReportContent of(const ReportContent::Source& source, const ReportContent::Options& options);
};
