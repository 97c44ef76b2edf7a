#pragma once

#include <QString>

// The local port a remote panel is awaited on, from the text of the
// configurator's port field: its number taken modulo 65536, or 9990 when the
// text is not a number.
quint16 listeningPort(const QString& text);
