#pragma once

#include <QtGlobal>

// A UDP port that nothing on this machine listens on just now, for a test's
// panel or configurator to take.
quint16 freeUdpPort();
