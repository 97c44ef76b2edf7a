#include "PanelLink.h"

#include "Arrangements.h"
#include "ConfigImage.h"
#include "Dialogs.h"
#include "LinkConstants.h"
#include "LinkHost.h"
#include "LinkTexts.h"
#include "SerialPort.h"
#include "TransferStart.h"

PanelLink::PanelLink(ConfigImage& image, LinkHost& host, Dialogs& dialogs, TickClock& clock, SerialPort& port,
                     DatagramSocket& socket)
    : m_image(image)
    , m_host(host)
    , m_dialogs(dialogs)
    , m_port(port)
    , m_serial({m_vars, image, host, dialogs, clock, port})
    , m_remote(m_vars, host, dialogs, clock, image, socket, [this] { m_serial.closePort(); })
{
}

void PanelLink::USB2Click()
{
    m_remote.stopListening();
    // A second "USB" starts afresh on a port of the user's choice.
    if (m_serial.isOpen())
        m_serial.closePort();
    // A transfer cut off before (by "BT", say) must not swallow the new ready byte.
    m_vars.reset();
    if (!m_serial.openPort()) {
        noPort();
        return;
    }
    m_host.setStatus(LinkTexts::connecting());
    m_vars.LinkStage = LinkStages::Serial;
    m_host.setGaugeVisible(false);
    m_host.setWrBtnVisible(false);
    m_host.setItemEnabled(LinkHost::Item::ItemWr, false);
    m_host.setItemEnabled(LinkHost::Item::ItemRead, false);
    m_serial.SetConnect();
    m_vars.LinkMode = LinkModes::Usb;
    m_host.clearSaveRequest();
}

// Stand-alone before the question: a connection that a second "USB" closed is
// over, and its transfers are offered no more.
void PanelLink::noPort()
{
    // Why the port did not open is forgotten once it is closed.
    QString text = LinkTexts::noPort();
    if (m_port.permissionDenied())
        text += QLatin1Char('\n') + LinkTexts::portPermission();
    m_vars.RxIgnore = true;
    m_serial.closePort();
    m_vars.PanelLinked = false;
    m_vars.TransferOp = TransferOps::None;
    m_vars.LinkStage = LinkStages::None;
    Arrangements::standAlone(m_host, LinkTexts::standAloneShort());
    const auto answer = m_dialogs.message(Dialogs::Message::question(
        text, LinkTexts::noPortCaption(), Dialogs::Icon::Stop, Dialogs::Answer::Yes, false));
    if (answer == Dialogs::Answer::No)
        m_host.requestClose();
}

void PanelLink::BTClick()
{
    m_serial.closePort();
    m_host.setStatus(LinkTexts::standAlone());
    Arrangements::offline(m_host);
}

void PanelLink::ItemReadClick()
{
    readCommonPart(m_vars, m_host, m_image);
    if (m_vars.LinkStage == LinkStages::Serial && m_vars.PanelLinked)
        m_serial.sendReadRequest();
    else if (!m_remote.readBranch())
        noPanelToTransfer(m_vars, m_host);
}

void PanelLink::startWrite()
{
    writeCommonPart(m_vars, m_host);
    if (m_vars.LinkStage == LinkStages::Serial && m_vars.PanelLinked)
        m_serial.sendWriteRequest();
    else if (!m_remote.writeBranch())
        noPanelToTransfer(m_vars, m_host);
}

void PanelLink::N2Click()
{
    m_remote.N2Click();
}

void PanelLink::JvClock1DblClick()
{
    m_remote.JvClock1DblClick();
}

void PanelLink::stopListening()
{
    m_remote.stopListening();
}
