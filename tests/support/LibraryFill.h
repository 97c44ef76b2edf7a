#pragma once

#include <QString>

// A library filled for a benchmark: `versions` versions spread over `panels`
// panels (the panel n is named by n in hexadecimal, 50 is "0032"), each
// panel's versions sharing its one image, so that the rows are what is
// measured. Empty once filled; otherwise why not.
namespace LibraryFill {

QString fill(const QString& url, int panels, int versions);

} // namespace LibraryFill
