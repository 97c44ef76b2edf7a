#pragma once

#include "ReportContent.h"

class LibrarySettings;

// Where a panel is installed, as the library the window uses knows it: what
// a report prints in its header. Empty when the library cannot be opened or
// does not hold the panel, so the lines are filled in by hand.
namespace LibrarySite {

ReportContent::Site of(const LibrarySettings& settings, const QString& panel);

} // namespace LibrarySite
