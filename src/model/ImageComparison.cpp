#include "ImageComparison.h"

QList<FieldDifference> compareImages(const ConfigImage& a, const ConfigImage& b)
{
    QList<FieldDifference> differences;
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        const qsizetype from = field.offset - 1;
        if (a.bytes().mid(from, field.size) != b.bytes().mid(from, field.size))
            differences.append({&field, FieldCatalogue::displayValue(field, a), FieldCatalogue::displayValue(field, b)});
    }
    return differences;
}
