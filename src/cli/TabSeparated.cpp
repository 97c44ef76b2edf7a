#include "TabSeparated.h"

#include "PrintableText.h"

void printTabSeparated(QTextStream& out, QStringList columns)
{
    for (QString& column : columns)
        column = printableText(column);
    out << columns.join(QLatin1Char('\t')) << '\n';
}
