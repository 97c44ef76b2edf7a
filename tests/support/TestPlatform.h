#pragma once

#include "FakeDatagramSocket.h"
#include "FakeSerialPort.h"
#include "FixedSettingsStore.h"
#include "MemoryPreferences.h"
#include "Platform.h"
#include "ScriptedDialogs.h"
#include "VirtualClock.h"

// The doubles of every seam, for building a window in a test:
//   struct Shell : TestPlatform { MainWindow window{platform()}; };
struct TestPlatform {
    ScriptedDialogs dialogs;
    VirtualClock clock;
    FakeSerialPort serial;
    FakeDatagramSocket udp;
    FixedSettingsStore settings;
    MemoryPreferences preferences;

    Platform platform() { return {dialogs, clock, serial, udp, settings, preferences}; }
};
