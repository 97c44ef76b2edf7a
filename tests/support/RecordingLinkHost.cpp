#include "RecordingLinkHost.h"

#include "TickClock.h"

namespace {
constexpr LinkHost::Item SixItems[] = {LinkHost::Item::ItemLink, LinkHost::Item::ItemWr,   LinkHost::Item::ItemRead,
                                       LinkHost::Item::ItemLoad, LinkHost::Item::ItemSave, LinkHost::Item::ItemDefault};
}

RecordingLinkHost::RecordingLinkHost(TickClock& clock)
    : m_clock(clock)
{
    // The window's start arrangement.
    for (Item item : SixItems)
        items[item] = item != Item::ItemRead && item != Item::ItemWr;
}

void RecordingLinkHost::EnableAll()
{
    wrBtnVisible = true;
    wrBtnEnabled = true;
    for (Item item : SixItems)
        items[item] = true;
}

void RecordingLinkHost::DisableAll()
{
    wrBtnVisible = false;
    wrBtnEnabled = false;
    for (Item item : SixItems)
        items[item] = false;
}

bool RecordingLinkHost::allEnabled() const
{
    for (Item item : SixItems)
        if (!enabled(item))
            return false;
    return true;
}

bool RecordingLinkHost::allDisabled() const
{
    for (Item item : SixItems)
        if (enabled(item))
            return false;
    return true;
}

void RecordingLinkHost::M_Delay(int ticks)
{
    delays.append(ticks);
    m_clock.delay(Ticks::ticks(ticks), [this] { return closing; });
}

void RecordingLinkHost::transferDone(Transfer transfer, const Route& route)
{
    const QString where = route.serialPort.isEmpty() ? QStringLiteral("%1:%2").arg(route.address).arg(route.port)
                                                     : route.serialPort;
    transfersDone.append((transfer == Transfer::Read ? QStringLiteral("read ") : QStringLiteral("write ")) + where);
}
