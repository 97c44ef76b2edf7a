#pragma once

#include "LinkVars.h"
#include "RemoteLink.h"
#include "SerialLink.h"

class ConfigImage;
class DatagramSocket;
class Dialogs;
class LinkHost;
class SerialPort;
class TickClock;

// The link commands of the main window. It owns the one set of link
// variables; each command runs its common part, then the branch of the
// transport in use.
class PanelLink final {
public:
    PanelLink(ConfigImage& image, LinkHost& host, Dialogs& dialogs, TickClock& clock, SerialPort& port,
              DatagramSocket& socket);

    LinkVars& vars() { return m_vars; }
    const LinkVars& vars() const { return m_vars; }
    SerialLink& serial() { return m_serial; }
    RemoteLink& remote() { return m_remote; }

    void USB2Click();
    void BTClick();
    void ItemReadClick();
    // The last step of WrBtnClick, once the image is complete.
    void startWrite();
    void N2Click();
    void JvClock1DblClick();
    // "USB" and closing the program stop listening for a remote panel.
    void stopListening();

private:
    // No port could be opened: stand-alone, or close when the user says so.
    void noPort();

    LinkVars m_vars;
    ConfigImage& m_image;
    LinkHost& m_host;
    Dialogs& m_dialogs;
    SerialPort& m_port;
    SerialLink m_serial;
    RemoteLink m_remote;
};
