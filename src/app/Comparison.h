#pragma once

#include "ImageComparison.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class ConfigImage;
struct PagesImage;

// What the comparison dialog shows, apart from where it came from (the pages
// and a file, or any two configurations): the rows of the fields that
// differ, in the pages' order, each with its catalogue entry and both values
// as a page shows them; the names of the two sides; and the notes on the
// first side.
struct Comparison {
    Q_DECLARE_TR_FUNCTIONS(Comparison)

public:
    QString title;     // the dialog's caption, also of every box it shows
    QString subject;   // what is compared with what
    QString nameA;     // the heading of the first side's values
    QString nameB;
    QList<FieldDifference> rows;
    QStringList notes;   // the write checks the first side's pages fail

    // The caption of the pages' comparison with a file.
    static QString fileTitle() { return tr("Сравнение с файлом"); }
    // The pages against a file. A field the pages cannot give has a row of its
    // own, whatever the file holds, and the checks the pages fail are the notes.
    static Comparison pagesWithFile(const PagesImage& pages, const ConfigImage& file, const QString& fileName);
    // The pages against a version of the library, as against a file.
    static Comparison pagesWithVersion(const PagesImage& pages, const ConfigImage& version, const QString& panel,
                                       const QString& versionName);
    // Two versions of a panel: the fields whose bytes differ.
    static Comparison twoVersions(const ConfigImage& a, const ConfigImage& b, const QString& panel,
                                  const QString& nameA, const QString& nameB);

private:
    // The rows and notes of the pages against another configuration, with the pages' heading.
    static Comparison pagesWith(const PagesImage& pages, const ConfigImage& other);
};
