#pragma once

#include "ImageComparison.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class ConfigImage;
class ConfigTemplate;
struct PagesImage;

// What the comparison dialog shows, apart from where it came from (the pages
// and a file or a template, or any two configurations): the rows of the
// fields that differ, in the pages' order, each with its catalogue entry and
// both values as a page shows them; the names of the two sides; the notes on
// the first side; and whether the rows start ticked to be taken.
struct Comparison {
    Q_DECLARE_TR_FUNCTIONS(Comparison)

public:
    QString title;     // the dialog's caption, also of every box it shows
    QString subject;   // what is compared with what
    QString nameA;     // the heading of the first side's values
    QString nameB;
    QList<FieldDifference> rows;
    QStringList notes;   // the write checks the first side's pages fail
    bool rowsTicked = false;

    // The caption of the pages' comparison with a file.
    static QString fileTitle() { return tr("Сравнение с файлом"); }
    // The caption of a template's comparison with the pages.
    static QString templateTitle() { return tr("Применение шаблона"); }
    // The pages against a file. A field the pages cannot give has a row of its
    // own, whatever the file holds, and the checks the pages fail are the notes.
    static Comparison pagesWithFile(const PagesImage& pages, const ConfigImage& file, const QString& fileName);
    // The same over the fields the template names, every row ticked.
    static Comparison pagesWithTemplate(const PagesImage& pages, const ConfigTemplate& standard,
                                        const QString& fileName);
    // The pages against a version of the library, as against a file.
    static Comparison pagesWithVersion(const PagesImage& pages, const ConfigImage& version, const QString& panel,
                                       const QString& versionName);
    // Two versions of a panel: the fields whose bytes differ.
    static Comparison twoVersions(const ConfigImage& a, const ConfigImage& b, const QString& panel,
                                  const QString& nameA, const QString& nameB);

    // A value as a cell shows it: never empty, so an empty cell is never taken
    // for one that was not filled in.
    static QString shownValue(const CatalogueField& field, const ConfigImage& image);
    // The same of a field on the pages, or what they hold that the image cannot.
    static QString pagesValue(const PagesImage& pages, const CatalogueField& field);

private:
    // The pages' side, and the rows of the fields given, in the order given.
    static Comparison pagesWith(const PagesImage& pages, const ConfigImage& other,
                                const QList<const CatalogueField*>& ordered);
};
