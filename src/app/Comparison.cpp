#include "Comparison.h"

#include "ConfigImage.h"
#include "FieldCatalogue.h"
#include "PagesImage.h"

#include <functional>
#include <optional>

namespace {

// A value as a cell shows it: never empty, so an empty cell is never taken
// for one that was not filled in.
QString shown(const CatalogueField& field, const ConfigImage& image)
{
    const QString value = FieldCatalogue::displayValue(field, image);
    if (!value.isEmpty())
        return value;
    // A zone's type without marks is a zone switched off; any other empty set or text is none.
    return field.codeMask != 0 ? Comparison::tr("выкл.") : Comparison::tr("нет");
}

// `special` gives a field's first value when it has one of its own; otherwise
// the field is a row only when its bytes differ.
QList<FieldDifference> differingRows(const ConfigImage& a, const ConfigImage& b,
                                     const std::function<std::optional<QString>(const CatalogueField&)>& special)
{
    static const QList<const CatalogueField*> ordered = FieldCatalogue::inPageOrder(FieldCatalogue::everyField());
    QList<FieldDifference> differences;
    for (const CatalogueField* field : ordered) {
        const std::optional<QString> valueA = special(*field);
        if (valueA || field->bytesOf(a) != field->bytesOf(b))
            differences.append({field, valueA.value_or(shown(*field, a)), shown(*field, b)});
    }
    return differences;
}

} // namespace

Comparison Comparison::pagesWithFile(const PagesImage& pages, const ConfigImage& file, const QString& fileName)
{
    Comparison comparison = pagesWith(pages, file);
    comparison.title = fileTitle();
    comparison.subject = tr("Страницы и файл %1").arg(fileName);
    comparison.nameB = tr("В файле");
    return comparison;
}

Comparison Comparison::pagesWithVersion(const PagesImage& pages, const ConfigImage& version, const QString& panel,
                                        const QString& versionName)
{
    Comparison comparison = pagesWith(pages, version);
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
    comparison.rows = differingRows(a, b, [](const CatalogueField&) { return std::optional<QString>(); });
    return comparison;
}

Comparison Comparison::pagesWith(const PagesImage& pages, const ConfigImage& other)
{
    Comparison comparison;
    comparison.nameA = tr("На страницах");
    comparison.notes = pages.failedChecks;
    comparison.rows = differingRows(pages.image, other, [&pages](const CatalogueField& field) -> std::optional<QString> {
        const std::optional<QString> text = pages.unreadableText(field);
        if (!text)
            return std::nullopt;
        return PagesImage::unreadableValue(*text);
    });
    return comparison;
}
