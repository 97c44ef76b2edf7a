#include "DifferencesReport.h"

#include "FactoryImage.h"
#include "FieldCatalogue.h"
#include "ReportValues.h"

ReportContent DifferencesReport::of(const ReportContent::Source& source, const ReportContent::Options& options)
{
    const ConfigImage& image = source.image;
    const ConfigImage factory = factoryImage();
    QList<const CatalogueField*> changed;
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        if (field.kind != FieldKind::Reserved && (options.detailed || !ReportValues::isInternal(field))
            && field.bytesOf(image) != field.bytesOf(factory))
            changed.append(&field);
    }

    const ReportValues factoryValues(factory, options.showPasswords);
    const ReportValues values(image, options.showPasswords);
    ReportContent report = ReportContent::headedFor(source, options);
    QList<ReportContent::Table>& tables = report.tables;
    for (const CatalogueField* field : FieldCatalogue::inPageOrder(changed)) {
        if (tables.isEmpty() || tables.constLast().heading != field->page)
            tables.append({field->page, {tr("Параметр"), tr("Заводская установка"), tr("Установлено")}, {}});
        const QString caption =
            field->section.isEmpty() ? field->caption : field->section + QStringLiteral(": ") + field->caption;
        tables.last().rows.append({field->key, {caption, factoryValues.of(*field), values.of(*field)}});
    }
    return report;
}
