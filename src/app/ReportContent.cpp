#include "ReportContent.h"

#include "FactoryImage.h"
#include "FieldCatalogue.h"

ReportContent ReportContent::of(const Source& source, bool onlyNonFactory)
{
    ReportContent report;
    report.account = source.account;
    report.programVersion = source.programVersion;
    report.madeAt = source.madeAt;
    report.onlyNonFactory = onlyNonFactory;

    const ConfigImage factory = factoryImage();
    QList<const CatalogueField*> reported;
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        if (field.kind == FieldKind::Reserved)
            continue;
        if (onlyNonFactory && field.bytesOf(source.image) == field.bytesOf(factory))
            continue;
        reported.append(&field);
    }
    for (const CatalogueField* field : FieldCatalogue::inPageOrder(reported)) {
        if (report.sections.isEmpty() || report.sections.constLast().page != field->page
            || report.sections.constLast().name != field->section)
            report.sections.append(Section{field->page, field->section, {}});
        report.sections.last().rows.append(
            {field->key, field->caption, FieldCatalogue::displayValue(*field, source.image)});
    }
    return report;
}
