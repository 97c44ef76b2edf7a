#include "DifferenceLines.h"

#include "ExitStatus.h"
#include "TabSeparated.h"

int printDifferences(const ConfigImage& a, const ConfigImage& b, QTextStream& out)
{
    const QList<FieldDifference> differences = compareImages(a, b);
    for (const FieldDifference& difference : differences) {
        const CatalogueField& field = *difference.field;
        printTabSeparated(out, {field.page, field.caption, field.key, difference.valueA, difference.valueB});
    }
    return differences.isEmpty() ? ExitStatus::Success : ExitStatus::Differences;
}
