#pragma once

#include <QStringList>
#include <QTextStream>

// One line of data as zq22 prints it: columns separated by tabs, each made
// printable on one line (PrintableText), so that a tab or a line break inside
// a value never moves the columns.
void printTabSeparated(QTextStream& out, const QStringList& columns);
