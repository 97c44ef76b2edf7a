#include "DifferenceLines.h"

#include "TabSeparated.h"

void printDifferences(const QList<FieldDifference>& differences, QTextStream& out)
{
    for (const FieldDifference& difference : differences) {
        const CatalogueField& field = *difference.field;
        printTabSeparated(out, {field.page, field.caption, field.key, difference.valueA, difference.valueB});
    }
}
