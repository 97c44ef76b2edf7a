#include "TabSeparated.h"

#include "PrintableText.h"

// Column by column into the stream: a list of ten thousand panels is printed
// without a copy of each of its lines.
void printTabSeparated(QTextStream& out, const QStringList& columns)
{
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (i > 0)
            out << '\t';
        out << printableText(columns.at(i));
    }
    out << '\n';
}
