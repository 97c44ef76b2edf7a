#pragma once

#include "ImageComparison.h"

#include <QStringList>
#include <QTextStream>

// One line per difference, its columns separated by tabs: the columns given
// first, then the page, the caption, the key and the two values, each made
// safe for one line.
void printDifferences(QTextStream& out, const QList<FieldDifference>& differences,
                      const QStringList& leading = {});

// What zq22 diff and zq22 library diff print of two configurations, and the
// exit status: whether they differ.
int printComparison(QTextStream& out, const ConfigImage& a, const ConfigImage& b);
