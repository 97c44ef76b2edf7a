#include "ImageComparison.h"

QList<FieldDifference> compareImages(const ConfigImage& a, const ConfigImage& b)
{
    QList<FieldDifference> differences;
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        if (field.bytesOf(a) == field.bytesOf(b))
            continue;
        differences.append({&field, FieldCatalogue::displayValue(field, a), FieldCatalogue::displayValue(field, b)});
    }
    return differences;
}
