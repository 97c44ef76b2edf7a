#pragma once

#include "ConfigTemplate.h"
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

// What zq22 check and zq22 library check print of a configuration against a
// template, the columns that name the configuration first, and the exit
// status: whether it differs.
int printTemplateCheck(QTextStream& out, const ConfigTemplate& standard, const ConfigImage& image,
                       const QStringList& leading);
