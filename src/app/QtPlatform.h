#pragma once

#include "Platform.h"
#include "QtDatagramSocket.h"
#include "QtDialogs.h"
#include "QtPreferences.h"
#include "QtSerialPort.h"
#include "QtSettingsStore.h"
#include "QtTickClock.h"

// The real platform: the Qt implementations of every seam, for the program and
// for the tools that show its window.
class QtPlatform {
public:
    Platform platform() { return {dialogs, clock, serial, udp, settings, preferences}; }

    QtDialogs dialogs;
    QtTickClock clock;
    QtSerialPort serial;
    QtDatagramSocket udp;
    QtSettingsStore settings;
    QtPreferences preferences;
};
