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
    static const QList<const CatalogueField*> ordered = FieldCatalogue::inPageOrder(FieldCatalogue::everyField());
    Comparison comparison = pagesWith(pages, file, ordered);
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
