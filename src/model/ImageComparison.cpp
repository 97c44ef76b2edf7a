#include "ImageComparison.h"

QList<FieldDifference> compareImages(const ConfigImage& a, const ConfigImage& b)
{
    return compareFields(FieldCatalogue::everyField(), a, b);
}

QList<FieldDifference> compareFields(const QList<const CatalogueField*>& fields, const ConfigImage& a,
                                     const ConfigImage& b)
{
    QList<FieldDifference> differences;
    for (const CatalogueField* field : fields) {
        if (field->bytesOf(a) == field->bytesOf(b))
            continue;
        differences.append({field, FieldCatalogue::displayValue(*field, a), FieldCatalogue::displayValue(*field, b)});
    }
    return differences;
}
