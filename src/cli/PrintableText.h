#pragma once

#include <QString>

// A value made safe for one line of output: a control character that a
// character field may hold (a tab, a line feed) is shown as \xHH, so that one
// field stays one line and one column.
QString printableText(const QString& text);
