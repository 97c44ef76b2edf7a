#pragma once

#include "LibraryResult.h"

#include <QString>

// A panel as a person names it: its four hexadecimal digits, in either case.
namespace PanelKey {

// The identifier as the library keys it (upper case), or why the text is none.
LibraryResult<QString> parse(const QString& text);

} // namespace PanelKey
