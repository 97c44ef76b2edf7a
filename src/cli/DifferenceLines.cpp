#include "DifferenceLines.h"

#include "ExitStatus.h"
#include "TabSeparated.h"

void printDifferences(QTextStream& out, const QList<FieldDifference>& differences, const QStringList& leading)
{
    for (const FieldDifference& difference : differences) {
        const CatalogueField& field = *difference.field;
        printTabSeparated(out, QStringList(leading) << field.page << field.caption << field.key << difference.valueA
                                                    << difference.valueB);
    }
}

int printComparison(QTextStream& out, const ConfigImage& a, const ConfigImage& b)
{
    const QList<FieldDifference> differences = compareImages(a, b);
    printDifferences(out, differences);
    return differences.isEmpty() ? ExitStatus::Success : ExitStatus::Differences;
}

int printTemplateCheck(QTextStream& out, const ConfigTemplate& standard, const ConfigImage& image,
                       const QStringList& leading)
{
    const QList<FieldDifference> differences = standard.differencesFrom(image);
    printDifferences(out, differences, leading);
    return differences.isEmpty() ? ExitStatus::Success : ExitStatus::Differences;
}
