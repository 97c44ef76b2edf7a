#pragma once

#include "ConfigImage.h"
#include "FakeDatagramSocket.h"
#include "FakeSerialPort.h"
#include "PanelLink.h"
#include "RecordingLinkHost.h"
#include "ScriptedDialogs.h"
#include "VirtualClock.h"

// The window's link commands with a double behind every seam but the clock and
// the serial port, which a test picks: virtual ones, or real ones to talk to
// the virtual panel.
template <class Clock, class Port>
struct BasicPanelLinkRig {
    Clock clock;
    ScriptedDialogs dialogs;
    RecordingLinkHost host{clock};
    Port port;
    FakeDatagramSocket udp;
    ConfigImage image;
    PanelLink link{image, host, dialogs, clock, port, udp};
};

// In virtual time, with the bytes on the serial line in the test's hands.
using PanelLinkRig = BasicPanelLinkRig<VirtualClock, FakeSerialPort>;
