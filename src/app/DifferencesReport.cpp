#include "DifferencesReport.h"

#include "FactoryImage.h"
#include "FieldCatalogue.h"
#include "ReportValues.h"

ReportContent DifferencesReport::of(const ReportContent::Source& source, const ReportContent::Options& options)
{
    const PagesImage& pages = source.pages;
    const PagesImage factory{factoryImage(), {}, {}};
    QList<const CatalogueField*> changed;
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        // A field the image cannot hold is zero there, which may pass for the factory value.
        const bool differs = pages.unreadableText(field) || field.bytesOf(pages.image) != field.bytesOf(factory.image);
        if (field.kind != FieldKind::Reserved && (options.detailed || !ReportValues::isInternal(field)) && differs)
            changed.append(&field);
    }

    const ReportValues factoryValues(factory, options.showPasswords);
    const ReportValues values(pages, options.showPasswords);
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
