#include "ReportContent.h"

#include "FactoryImage.h"
#include "FieldCatalogue.h"

#include <algorithm>

namespace {

// Pages in the order of the page control, then any other in image order;
// sections of a page in the image order of their first field.
QList<ReportContent::Section> sectionsInOrder(QList<ReportContent::Section> sections, const QStringList& pageOrder)
{
    const auto rank = [&pageOrder](const QString& page) {
        const qsizetype index = pageOrder.indexOf(page);
        return index < 0 ? pageOrder.size() : index;
    };
    std::stable_sort(sections.begin(), sections.end(),
                     [&](const ReportContent::Section& a, const ReportContent::Section& b) {
                         return rank(a.page) < rank(b.page);
                     });
    return sections;
}

} // namespace

ReportContent ReportContent::of(const Source& source, bool onlyNonFactory)
{
    ReportContent report;
    report.account = source.account;
    report.programVersion = source.programVersion;
    report.madeAt = source.madeAt;
    report.onlyNonFactory = onlyNonFactory;

    const ConfigImage factory = factoryImage();
    QList<Section> sections;
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        if (field.kind == FieldKind::Reserved)
            continue;
        if (onlyNonFactory && field.bytesOf(source.image) == field.bytesOf(factory))
            continue;
        auto section = std::find_if(sections.begin(), sections.end(), [&field](const Section& s) {
            return s.page == field.page && s.name == field.section;
        });
        if (section == sections.end())
            section = sections.insert(sections.end(), Section{field.page, field.section, {}});
        section->rows.append({field.key, field.caption, FieldCatalogue::displayValue(field, source.image)});
    }
    report.sections = sectionsInOrder(sections, source.pageOrder);
    return report;
}
