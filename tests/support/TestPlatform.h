#pragma once

#include "FakeSerialPort.h"
#include "FixedSettingsStore.h"
#include "Platform.h"
#include "ScriptedDialogs.h"
#include "VirtualClock.h"

// The doubles of every seam, for building a window in a test:
//   struct Shell : TestPlatform { MainWindow window{platform()}; };
struct TestPlatform {
    ScriptedDialogs dialogs;
    VirtualClock clock;
    FakeSerialPort serial;
    FixedSettingsStore settings;

    Platform platform() { return {dialogs, clock, serial, settings}; }
};
