#pragma once

#include "ImageComparison.h"

#include <QTextStream>

// How zq22 diff and zq22 library diff print what differs: a line per field,
// its columns separated by tabs (the page, the caption, the key, the value in
// A and the value in B), each column printable on one line. The exit status:
// the configurations differ, or not.
int printDifferences(const ConfigImage& a, const ConfigImage& b, QTextStream& out);
