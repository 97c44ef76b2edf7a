#pragma once

#include "ConfigImage.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// What a configuration report says, before it is laid out: a header, then page
// by page and section by section every field with its value as the pages show it.
struct ReportContent {
    // What a report is made from.
    struct Source {
        ConfigImage image;        // the pages, built into an image
        QString account;          // EditAccount as the pages show it
        QString programVersion;
        QDateTime madeAt;
    };
    struct Row {
        QString key;   // the catalogue's
        QString caption;
        QString value;
    };
    struct Section {
        QString page;
        QString name;   // empty for the fields a page shows outside any group
        QList<Row> rows;
    };

    QString account;
    QString programVersion;
    QDateTime madeAt;
    bool onlyNonFactory = false;
    QList<Section> sections;

    // Every field the pages hold; with `onlyNonFactory`, only those whose value
    // is not the factory one. Reserved bytes, which no page shows, are left out.
    static ReportContent of(const Source& source, bool onlyNonFactory);
};
