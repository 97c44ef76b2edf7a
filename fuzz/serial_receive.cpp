// Fuzz target: the serial receive path. Any byte stream, cut into any chunks,
// reaches the serial link through the fake port, between the user's commands
// and the passing of time on the virtual clock.
//
// Input: records `kind length payload` as RecordFeed reads them (kind 0 is a
// pause). The other kinds, taken mod 5:
//   1  the panel sends the payload; it arrives as one data event;
//   2  the user gives the command chosen by the first payload byte mod 4:
//      "Прочитать", "Записать", "USB" (the chooser is cancelled when the
//      second payload byte is odd), "BT"; only when the window offers it;
//   3  the line fails (the cable is pulled out);
//   4  the output buffer has 16 × (first payload byte) bytes free from now on;
//   0  nothing.
// The run starts with "USB" on a port that opens.
//
// Must hold, whatever the bytes: the image is written by a read only, in
// order, and nowhere else; after the input the connection is stand-alone
// (port closed), connecting, linked or transferring, with the controls of
// that shape and, unless stand-alone or linked, a timer that will end it; once
// the panel falls silent and every timer has run out, it is stand-alone or linked.
#include "LinkFuzzRig.h"
#include "Require.h"

#include <cstddef>
#include <cstdint>

namespace {

enum class Shape { StandAlone, Connecting, Linked, Transferring };

const QString PortName = QStringLiteral("/dev/ttyACM0");
constexpr int FreeSpaceUnit = 16;

std::uint8_t byteOf(const QByteArray& payload, int index)
{
    return index < payload.size() ? static_cast<std::uint8_t>(payload[index]) : 0;
}

Shape shapeOf(const LinkFuzzRig& rig)
{
    const LinkVars& vars = rig.link.vars();
    if (!rig.port.isOpen())
        return Shape::StandAlone;
    if (vars.TransferOp != TransferOps::None)
        return Shape::Transferring;
    return vars.PanelLinked ? Shape::Linked : Shape::Connecting;
}

Shape requireConsistent(LinkFuzzRig& rig)
{
    rig.requireImageIntact();
    const bool timerRuns = rig.clock.activeTimers() > 0;
    const Shape shape = shapeOf(rig);
    switch (shape) {
    case Shape::StandAlone:
        require(!timerRuns, "stand-alone: no timer of the closed port runs");
        require(rig.standAloneControls(), "stand-alone: files and the connection menu, no transfer");
        break;
    case Shape::Connecting:
        require(timerRuns, "connecting: the countdown runs");
        require(!rig.transfersOffered(), "connecting: no transfer offered");
        break;
    case Shape::Linked:
        require(rig.everythingOffered(), "linked: every command offered");
        break;
    case Shape::Transferring:
        require(timerRuns, "transferring: a timer ends a transfer the panel abandons");
        require(!rig.transfersOffered(), "transferring: no second transfer offered");
        break;
    }
    return shape;
}

void command(LinkFuzzRig& rig, const QByteArray& payload)
{
    switch (byteOf(payload, 0) % 4) {
    case 0:
        rig.clickRead();
        break;
    case 1:
        rig.clickWrite();
        break;
    case 2:
        rig.clickUsb(byteOf(payload, 1) % 2 ? std::nullopt : std::optional<QString>(PortName));
        break;
    default:
        rig.clickBt();
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LinkFuzzRig rig;
    rig.clickUsb(PortName);
    rig.run(data, size, [&rig](std::uint8_t kind, const QByteArray& payload) {
        switch (kind % 5) {
        case 1:
            rig.port.push(payload);
            break;
        case 2:
            command(rig, payload);
            break;
        case 3:
            rig.port.fail();
            break;
        case 4:
            rig.port.freeSpace = FreeSpaceUnit * byteOf(payload, 0);
            break;
        default:
            break;
        }
    });
    requireConsistent(rig);
    rig.settle();
    const Shape settled = requireConsistent(rig);
    require(settled == Shape::StandAlone || settled == Shape::Linked,
            "a silent panel leaves the connection stand-alone or linked");
    return 0;
}
