#pragma once

#include "ConfigImage.h"
#include "FakeDatagramSocket.h"
#include "FakeSerialPort.h"
#include "PanelLink.h"
#include "RecordFeed.h"
#include "RecordingLinkHost.h"
#include "ScriptedDialogs.h"
#include "VirtualClock.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// The link on the test doubles, driven by a fuzz input (see RecordFeed).
// A message box stays open for a second of virtual time, in which the due
// timers fire and the due records arrive, as in a real box's own event loop;
// meanwhile the user can give no command. Whatever the input, the image is
// written by a read only, in order, and a write leaves it as it was.
class LinkFuzzRig {
public:
    using Item = LinkHost::Item;

    LinkFuzzRig();

    // Feeds the whole input, each record to the handler when it is due.
    void run(const std::uint8_t* data, std::size_t size, const RecordFeed::Handler& handler);
    // The far end falls silent: time runs on until no timer is left.
    void settle();

    bool userCanAct() const { return m_openBoxes == 0; }
    // The menu commands of the user, each only when its item is enabled;
    // false when it was not.
    // "USB", with the port the user picks, none when the chooser is cancelled.
    bool clickUsb(const std::optional<QString>& port);
    bool clickBt();
    bool clickRemote();
    bool clickRead();
    bool clickWrite();

    // The controls of each shape of the connection.
    bool transfersOffered() const;
    bool everythingOffered() const;
    bool standAloneControls() const;

    // The link's counters stay in their ranges, and the image is what the
    // transfers may have made of it.
    void requireImageIntact() const;

    VirtualClock clock;
    ScriptedDialogs dialogs;
    RecordingLinkHost host{clock};
    FakeSerialPort port;
    FakeDatagramSocket udp;
    ConfigImage image;
    PanelLink link{image, host, dialogs, clock, port, udp};

private:
    enum class LastTransfer { None, Read, Write };

    int m_openBoxes = 0;
    LastTransfer m_lastTransfer = LastTransfer::None;
    QByteArray m_imageBeforeWrite;
};
