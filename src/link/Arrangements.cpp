#include "Arrangements.h"

#include "LinkHost.h"

namespace Arrangements {

void standAlone(LinkHost& host, const QString& status)
{
    host.setStatus(status);
    host.EnableAll();
    host.setItemEnabled(LinkHost::Item::ItemWr, false);
    host.setItemEnabled(LinkHost::Item::ItemRead, false);
    host.setWrBtnVisible(false);
    host.setGaugeVisible(false);
}

void connected(LinkHost& host)
{
    host.EnableAll();
    host.setWrBtnVisible(true);
    host.setWrBtnEnabled(true);
    host.setGaugeVisible(true);
}

void linkLost(LinkHost& host)
{
    host.setWrBtnVisible(false);
    host.setItemEnabled(LinkHost::Item::ItemWr, false);
    host.setItemEnabled(LinkHost::Item::ItemRead, false);
    host.setItemEnabled(LinkHost::Item::ItemSave, true);
    host.setItemEnabled(LinkHost::Item::ItemLoad, true);
    host.setItemEnabled(LinkHost::Item::ItemDefault, true);
    host.setGauge(0);
    host.setGaugeVisible(false);
}

void offline(LinkHost& host)
{
    waitingForRemotePanel(host);
    host.setItemEnabled(LinkHost::Item::ItemLink, true);
}

void waitingForRemotePanel(LinkHost& host)
{
    host.DisableAll();
    for (LinkHost::Item item : {LinkHost::Item::ItemLoad, LinkHost::Item::ItemSave, LinkHost::Item::ItemDefault})
        host.setItemEnabled(item, true);
    host.setGaugeVisible(false);
}

} // namespace Arrangements
