// Fuzz target: the datagram handler. Any sequence of datagrams, from the
// panel or from anyone else, reaches the remote link through the fake socket,
// between the user's commands and the passing of time on the virtual clock.
//
// Input: records `kind length payload` as RecordFeed reads them (kind 0 is a
// pause). The other kinds, taken mod 5:
//   1  a datagram: the first payload byte mod 4 names its sender, the rest is
//      the datagram: 0 the panel, 192.168.1.30:5000; 1 the same host from
//      port 5001; 2 another host, 10.0.0.7:5000; 3 the panel's address in its
//      IPv4-mapped IPv6 form, port 5000;
//   2  the user gives the command chosen by the first payload byte mod 4:
//      "Удаленная", "Прочитать", "Записать" (only when the window offers
//      them), or a double click on the clock, answered Yes when the second
//      payload byte is odd;
//   3  the user asks to close the program and declines;
//   4  the next listening port is refused when the first payload byte is odd;
//   0  nothing.
// The run starts with "Удаленная", whose wait meets the first records.
//
// Must hold, whatever the bytes: the image is written by a read only, in
// order, and nowhere else; after the input the connection is stand-alone,
// announced, linked, transferring or stopped by a broken block sequence,
// with the controls of that shape and, while announced or transferring, a
// timer that will end it; once the panel falls silent and every timer has
// run out, it is stand-alone, linked or stopped.
#include "LinkFuzzRig.h"
#include "Require.h"

#include <QHostAddress>

#include <cstddef>
#include <cstdint>

namespace {

enum class Shape { StandAlone, Announced, Linked, Transferring, Stopped };

struct Sender {
    QHostAddress address;
    quint16 port;
};

const Sender Senders[] = {
    {QHostAddress(QStringLiteral("192.168.1.30")), 5000},
    {QHostAddress(QStringLiteral("192.168.1.30")), 5001},
    {QHostAddress(QStringLiteral("10.0.0.7")), 5000},
    {QHostAddress(QStringLiteral("::ffff:192.168.1.30")), 5000},
};

std::uint8_t byteOf(const QByteArray& payload, int index)
{
    return index < payload.size() ? static_cast<std::uint8_t>(payload[index]) : 0;
}

Shape shapeOf(const LinkFuzzRig& rig)
{
    const LinkVars& vars = rig.link.vars();
    if (rig.host.closing)
        return Shape::Stopped;
    if (vars.PeerAddress.isEmpty())
        return Shape::StandAlone;
    if (vars.TransferOp != TransferOps::None)
        return Shape::Transferring;
    return vars.PanelLinked ? Shape::Linked : Shape::Announced;
}

Shape requireConsistent(LinkFuzzRig& rig)
{
    rig.requireImageIntact();
    RemoteLink& remote = rig.link.remote();
    const bool timerRuns = rig.clock.activeTimers() > 0;
    const Shape shape = shapeOf(rig);
    switch (shape) {
    case Shape::StandAlone:
        require(!timerRuns, "stand-alone: no timer of the remote connection runs");
        require(rig.standAloneControls(), "stand-alone: files and the connection menu, no transfer");
        require(!rig.host.whoLit, "stand-alone: the connection light is out");
        break;
    case Shape::Announced:
        require(remote.isTimerUDPActive(), "announced: the connect frame is re-sent until the panel answers");
        require(!rig.transfersOffered(), "announced: no transfer offered");
        break;
    case Shape::Linked:
        require(rig.everythingOffered(), "linked: every command offered");
        break;
    case Shape::Transferring:
        require(remote.isTimerWaitAckActive() || remote.isTimerWaitBlockActive(),
                "transferring: a timer ends a transfer the panel abandons");
        require(!rig.transfersOffered(), "transferring: no second transfer offered");
        break;
    case Shape::Stopped:
        require(!timerRuns, "stopped: no timer of the remote connection runs");
        require(!rig.transfersOffered(), "stopped: no transfer offered");
        break;
    }
    return shape;
}

void command(LinkFuzzRig& rig, const QByteArray& payload)
{
    switch (byteOf(payload, 0) % 4) {
    case 0:
        rig.clickRemote();
        break;
    case 1:
        rig.clickRead();
        break;
    case 2:
        rig.clickWrite();
        break;
    default:
        if (!rig.userCanAct())
            break;
        rig.dialogs.answer(byteOf(payload, 1) % 2 ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        rig.link.JvClock1DblClick();
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LinkFuzzRig rig;
    const auto start = rig.clock.createTimer(TickClock::Mode::SingleShot, [&rig] { rig.clickRemote(); });
    start->start(Ticks::Duration::zero());
    rig.run(data, size, [&rig](std::uint8_t kind, const QByteArray& payload) {
        switch (kind % 5) {
        case 1: {
            const Sender& sender = Senders[byteOf(payload, 0) % std::size(Senders)];
            rig.udp.deliver(payload.mid(1), sender.address, sender.port);
            break;
        }
        case 2:
            command(rig, payload);
            break;
        case 3:
            if (rig.userCanAct())
                rig.host.closing = false;
            break;
        case 4:
            rig.udp.refuseListening = byteOf(payload, 0) % 2;
            break;
        default:
            break;
        }
    });
    requireConsistent(rig);
    rig.settle();
    const Shape settled = requireConsistent(rig);
    require(settled == Shape::StandAlone || settled == Shape::Linked || settled == Shape::Stopped,
            "a silent panel leaves the connection stand-alone, linked or stopped");
    return 0;
}
