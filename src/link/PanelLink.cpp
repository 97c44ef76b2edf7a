#include "PanelLink.h"

#include "Arrangements.h"
#include "ConfigImage.h"
#include "Dialogs.h"
#include "LinkConstants.h"
#include "LinkHost.h"
#include "LinkTexts.h"

PanelLink::PanelLink(ConfigImage& image, LinkHost& host, Dialogs& dialogs, TickClock& clock, SerialPort& port)
    : m_image(image)
    , m_host(host)
    , m_dialogs(dialogs)
    , m_serial({m_vars, image, host, dialogs, clock, port})
{
}

void PanelLink::USB2Click()
{
    // The remote link stops its datagram listener here, before the port opens.

    // A second "USB" starts afresh on a port of the user's choice.
    if (m_serial.isOpen())
        m_serial.closePort();
    if (!m_serial.openPort()) {
        noPort();
        return;
    }
    m_host.setStatus(LinkTexts::Connecting);
    m_vars.LinkStage = LinkStages::Serial;
    m_vars.PanelLinked = false;
    // A transfer cut off before (by "BT", say) must not swallow the new ready byte.
    m_vars.TransferOp = TransferOps::None;
    m_host.setGaugeVisible(false);
    m_host.setWrBtnVisible(false);
    m_host.setItemEnabled(LinkHost::Item::ItemWr, false);
    m_host.setItemEnabled(LinkHost::Item::ItemRead, false);
    m_serial.SetConnect();
    m_vars.LinkMode = LinkModes::Usb;
    m_host.clearSaveRequest();
}

void PanelLink::noPort()
{
    m_vars.RxIgnore = true;
    const auto answer = m_dialogs.message(Dialogs::Message::question(
        LinkTexts::NoPort, LinkTexts::NoPortCaption, Dialogs::Icon::Stop, Dialogs::Answer::Yes, false));
    if (answer == Dialogs::Answer::No)
        m_host.requestClose();
    m_serial.closePort();
    m_host.setStatus(LinkTexts::StandAloneShort);
    m_vars.LinkStage = LinkStages::None;
}

void PanelLink::BTClick()
{
    m_serial.closePort();
    m_host.setStatus(LinkTexts::StandAlone);
    Arrangements::offline(m_host);
}

void PanelLink::ItemReadClick()
{
    prepareRead();
    if (m_vars.LinkStage == LinkStages::Serial && m_vars.PanelLinked)
        m_serial.sendReadRequest();
    // The remote branch goes here: when LinkMode is RemoteAlias or Remote and
    // the panel is linked.
}

void PanelLink::prepareRead()
{
    m_host.makeVerSimReadOnly();
    m_host.DisableAll();
    m_vars.RetryCount = LinkConstants::TransferRetries;
    m_host.showFirstPage();
    m_image.clear();
    m_vars.BlockNo = 1;
    m_host.setGaugeVisible(m_vars.PanelLinked);
    m_vars.RetryCount = LinkConstants::TransferRetries;
    m_vars.ImagePos = 1;
    m_vars.RxStarted = false;
    m_vars.RxIndex = 1;
}

void PanelLink::startWrite()
{
    prepareWrite();
    if (m_vars.LinkStage == LinkStages::Serial && m_vars.PanelLinked)
        m_serial.sendWriteRequest();
    // The remote branch goes here: when LinkStage is RemoteLinked and the
    // panel is linked.
}

void PanelLink::prepareWrite()
{
    m_host.DisableAll();
    m_host.setGauge(0);
    m_vars.BlockNo = 1;
    m_vars.RxIgnore = false;
    m_vars.RetryCount = LinkConstants::TransferRetries;
    m_vars.CommandFrame = Frames::writeRequest();
    m_vars.TransferOp = TransferOps::WriteRequest;
    m_host.setGaugeVisible(m_vars.PanelLinked);
    m_vars.RetryCount = LinkConstants::TransferRetries;
    m_vars.ImagePos = 1;
}
