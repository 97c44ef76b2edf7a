#pragma once

#include "Frames.h"
#include "OwedAnswers.h"

#include <QString>

#include <cstdint>

// The link variables shared by the serial connection, its transfers and the
// remote connection. The phase of a connection is derived from them; there is
// no separate state variable.
namespace TransferOps {
constexpr int None = 0;
constexpr int Read = 0x52;          // "R"
constexpr int WriteRequest = 0x57;  // "W": waiting for the first ACK
constexpr int WriteData = 0x44;     // "D": sending data blocks
} // namespace TransferOps

namespace LinkStages {
constexpr int None = 0;
constexpr int Serial = 2;
constexpr int RemoteLinked = 3;     // the remote panel answered the connect frame
constexpr int RemoteAnnounced = 4;
} // namespace LinkStages

namespace LinkModes {
constexpr int None = 0;
constexpr int Usb = 2;
constexpr int RemoteAlias = 3;      // accepted by the read command as remote; nothing sets it
constexpr int Remote = 4;
} // namespace LinkModes

constexpr int NoBlockInFlight = -1;

struct LinkVars {
    bool PanelLinked = false;
    int TransferOp = TransferOps::None;
    int LinkStage = LinkStages::None;
    int LinkMode = LinkModes::None;
    std::int32_t RetryCount = 0;
    std::int32_t BlockLen = 0;
    std::int32_t ImagePos = 0;
    std::int32_t BlockNo = 0;
    int RxIndex = 1;
    bool RxStarted = false;
    bool RxIgnore = false;
    OwedAnswers WriteAnswers;   // serial write: which copy an ACK or NAK answers

    Frames::CommandFrame CommandFrame{};
    Frames::Block TxBlock{};
    Frames::Block RxBlock{};

    // The remote connection's own.
    QString PeerAddress;
    std::uint16_t PeerPort = 0;
    std::int32_t DupCount = 0;
    std::int32_t RequestWait = 0;   // steps left while "Удаленная" waits; 0 when it does not

    // A new connection, "USB" or "Удаленная", starts from these values,
    // whatever an earlier one left behind, finished or failed.
    void reset() { *this = LinkVars{}; }

    // The steps of "Удаленная" run: until the last one is over, a panel that
    // has announced itself has been sent nothing and has nothing to answer.
    bool waitRuns() const { return RequestWait > 0; }
    // Listening: "Удаленная" waits for a panel to announce itself, the only
    // time an announcement is acted on.
    bool awaitingAnnouncement() const { return LinkStage == LinkStages::None && waitRuns(); }
};
