#include "Comparison.h"

#include "ConfigImage.h"
#include "ConfigTemplate.h"
#include "FieldCatalogue.h"
#include "PagesImage.h"

#include <optional>

namespace {

// The rows of `fields` in the pages' order: a field the pages cannot give has
// a row of its own, its first value saying so; any other is a row only when
// its bytes differ.
QList<FieldDifference> differingRows(const PagesImage& pages, const ConfigImage& other,
                                     const QList<const CatalogueField*>& ordered)
{
    QList<FieldDifference> differences;
    for (const CatalogueField* field : ordered) {
        if (!pages.unreadableText(*field) && field->bytesOf(pages.image) == field->bytesOf(other))
            continue;
        differences.append({field, Comparison::pagesValue(pages, *field), Comparison::shownValue(*field, other)});
    }
    return differences;
}

const QList<const CatalogueField*>& everyFieldInPageOrder()
{
    static const QList<const CatalogueField*> ordered = FieldCatalogue::inPageOrder(FieldCatalogue::everyField());
    return ordered;
}

} // namespace

Comparison Comparison::pagesWith(const PagesImage& pages, const ConfigImage& other,
                                 const QList<const CatalogueField*>& ordered)
{
    Comparison comparison;
    comparison.nameA = tr("На страницах");
    comparison.notes = pages.failedChecks;
    comparison.rows = differingRows(pages, other, ordered);
    return comparison;
}

QString Comparison::shownValue(const CatalogueField& field, const ConfigImage& image)
{
    const QString value = FieldCatalogue::displayValue(field, image);
    if (!value.isEmpty())
        return value;
    // A zone's type without marks is a zone switched off; any other empty set or text is none.
    return field.codeMask != 0 ? tr("выкл.") : tr("нет");
}

QString Comparison::pagesValue(const PagesImage& pages, const CatalogueField& field)
{
    const std::optional<QString> unreadable = pages.unreadableText(field);
    if (!unreadable)
        return shownValue(field, pages.image);
    return PagesImage::unreadableValue(*unreadable);
}

Comparison Comparison::pagesWithFile(const PagesImage& pages, const ConfigImage& file, const QString& fileName)
{
    Comparison comparison = pagesWith(pages, file, everyFieldInPageOrder());
    comparison.title = fileTitle();
    comparison.subject = tr("Страницы и файл %1").arg(fileName);
    comparison.nameB = tr("В файле");
    return comparison;
}

Comparison Comparison::pagesWithTemplate(const PagesImage& pages, const ConfigTemplate& standard,
                                         const QString& fileName)
{
    Comparison comparison = pagesWith(pages, standard.values(), FieldCatalogue::inPageOrder(standard.fields()));
    comparison.title = templateTitle();
    comparison.subject = tr("Страницы и шаблон %1").arg(fileName);
    comparison.nameB = tr("В шаблоне");
    comparison.rowsTicked = true;
    return comparison;
}

Comparison Comparison::pagesWithVersion(const PagesImage& pages, const ConfigImage& version, const QString& panel,
                                        const QString& versionName)
{
    Comparison comparison = pagesWith(pages, version, everyFieldInPageOrder());
    comparison.title = tr("Сравнение с библиотекой");
    comparison.subject = tr("Страницы и ППК %1: %2").arg(panel, versionName);
    comparison.nameB = tr("В библиотеке");
    return comparison;
}

Comparison Comparison::twoVersions(const ConfigImage& a, const ConfigImage& b, const QString& panel,
                                   const QString& nameA, const QString& nameB)
{
    Comparison comparison;
    comparison.title = tr("Сравнение версий");
    comparison.subject = tr("ППК %1: %2 и %3").arg(panel, nameA, nameB);
    comparison.nameA = nameA;
    comparison.nameB = nameB;
    // A version is a whole image: as pages, every field of it is readable and no check is asked.
    comparison.rows = differingRows(PagesImage{a, {}, {}}, b, everyFieldInPageOrder());
    return comparison;
}
