#include "LinkFuzzRig.h"

#include "Frames.h"
#include "Require.h"

#include <algorithm>

namespace {

constexpr int BoxOpenTicks = 18;      // the user reads a box for a second
constexpr int NestedBoxesAtMost = 8;  // beyond that a box is answered at once
constexpr int SettlingFiresAtMost = 20000;

} // namespace

LinkFuzzRig::LinkFuzzRig()
{
    dialogs.onMessage([this](const Dialogs::Message&) {
        if (m_openBoxes >= NestedBoxesAtMost)
            return;
        ++m_openBoxes;
        clock.advanceTicks(BoxOpenTicks);
        --m_openBoxes;
    });
}

void LinkFuzzRig::run(const std::uint8_t* data, std::size_t size, const RecordFeed::Handler& handler)
{
    RecordFeed feed(data, size, clock, handler);
    feed.start();
    while (!feed.done())
        clock.fireNext();
}

void LinkFuzzRig::settle()
{
    for (int fired = 0; clock.fireNext(); ++fired)
        require(fired < SettlingFiresAtMost, "a silent far end keeps the link's timers running for ever");
}

bool LinkFuzzRig::clickUsb(const std::optional<QString>& port)
{
    if (!userCanAct() || !host.enabled(Item::ItemLink))
        return false;
    dialogs.answerPort(port);
    link.USB2Click();
    return true;
}

bool LinkFuzzRig::clickBt()
{
    if (!userCanAct() || !host.enabled(Item::ItemLink))
        return false;
    link.BTClick();
    return true;
}

bool LinkFuzzRig::clickRemote()
{
    if (!userCanAct() || !host.enabled(Item::ItemLink))
        return false;
    // An announced panel starts its transfers from the image's first byte.
    m_lastTransfer = LastTransfer::None;
    link.N2Click();
    return true;
}

bool LinkFuzzRig::clickRead()
{
    if (!userCanAct() || !host.enabled(Item::ItemRead))
        return false;
    m_lastTransfer = LastTransfer::Read;
    link.ItemReadClick();
    return true;
}

bool LinkFuzzRig::clickWrite()
{
    const bool offered = host.enabled(Item::ItemWr) || (host.wrBtnVisible && host.wrBtnEnabled);
    if (!userCanAct() || !offered)
        return false;
    m_lastTransfer = LastTransfer::Write;
    m_imageBeforeWrite = image.bytes();
    link.startWrite();
    return true;
}

bool LinkFuzzRig::transfersOffered() const
{
    return host.enabled(Item::ItemRead) || host.enabled(Item::ItemWr) || host.wrBtnVisible;
}

bool LinkFuzzRig::everythingOffered() const
{
    return host.allEnabled() && host.wrBtnVisible && host.wrBtnEnabled;
}

bool LinkFuzzRig::standAloneControls() const
{
    return !transfersOffered() && host.enabled(Item::ItemLink) && host.enabled(Item::ItemLoad)
        && host.enabled(Item::ItemSave) && host.enabled(Item::ItemDefault);
}

void LinkFuzzRig::requireImageIntact() const
{
    const LinkVars& vars = link.vars();
    require(image.bytes().size() == ConfigImage::Size, "the image keeps its size");
    require(vars.RxIndex >= 1 && vars.RxIndex <= Frames::BlockSize, "a block is assembled inside RxBlock");
    require(vars.ImagePos >= 0 && vars.ImagePos <= ConfigImage::Size + 1, "the image position stays in the image");
    if (m_lastTransfer == LastTransfer::Write)
        require(image.bytes() == m_imageBeforeWrite, "a write leaves the image as it was");
    if (m_lastTransfer == LastTransfer::Read) {
        // A read clears the image and stores each block after the one before.
        const qsizetype stored = std::max(vars.ImagePos - 1, 0);
        const QByteArray rest = image.bytes().mid(stored);
        require(rest.count('\0') == rest.size(), "a read writes nothing past the bytes it has stored");
    }
}
