#include "DifferenceLines.h"

#include "PrintableText.h"

void printDifferences(QTextStream& out, const QList<FieldDifference>& differences, const QStringList& leading)
{
    for (const FieldDifference& difference : differences) {
        const CatalogueField& field = *difference.field;
        QStringList columns = leading;
        columns << field.page << field.caption << field.key << difference.valueA << difference.valueB;
        for (QString& column : columns)
            column = printableText(column);
        out << columns.join(QLatin1Char('\t')) << '\n';
    }
}
