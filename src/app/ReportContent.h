#pragma once

#include "PagesImage.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// What a configuration report says, before it is laid out: a header, a note
// on the write checks the pages fail, then the configuration as tables, each
// with its heading (ConfigurationReport and DifferencesReport make them).
struct ReportContent {
    Q_DECLARE_TR_FUNCTIONS(ReportContent)

public:
    // Where the panel is installed; what is not known yet stays empty and is
    // printed as a line to fill in by hand.
    struct Site {
        QString name;
        QString address;
        QString contact;
    };
    // What a report is made from.
    struct Source {
        PagesImage pages;         // the pages, built into an image whatever checks they fail
        QString account;          // EditAccount as the pages show it
        QString programVersion;
        QDateTime madeAt;
        Site site;
    };
    // What the person making the report chose.
    struct Options {
        bool onlyNonFactory = false;   // only the fields away from the factory, with both values
        bool showPasswords = false;    // passwords and codes in clear rather than as a mask
        bool detailed = false;         // also the values the panel and the program keep for themselves
        QString company;               // the installing company
    };
    struct Row {
        QString key;         // the catalogue's, when the row shows one field; otherwise empty
        QStringList cells;   // one cell: a subheading across the whole table
    };
    struct Table {
        QString heading;
        QStringList columns;   // the column headings; empty for a list of captions and values
        QList<Row> rows;
    };

    QString account;
    QString programVersion;
    QDateTime madeAt;
    Site site;
    Options options;
    QStringList failedChecks;   // the texts of the write checks the pages fail
    QList<Table> tables;

    // The header and the checks, from the source and the options; no tables yet.
    static ReportContent headedFor(const Source& source, const Options& options);

    // What a report says of the checks the pages fail: a title, what the
    // report shows and a line for each check; nothing when they fail none.
    static QStringList checksNote(const QStringList& failedChecks);
};
