#pragma once

#include <QSet>

// The misbehaviour the virtual panel shows on request. Block numbers count from 1.
struct UdpPanelFaults {
    bool armed = false;              // "ARM" instead of the announcement
    bool noReady = false;            // the connect frame goes unanswered
    bool noRelinkReady = false;      // the connect frame after a write goes unanswered
    bool reannounce = false;         // announces itself once more after answering the connect frame
    QSet<int> lost;                  // first sending of these blocks never leaves
    QSet<int> repeated;              // these blocks go out twice
    QSet<int> badCrc;                // first sending of these blocks is damaged
    int outOfSequence = 0;           // when this block is due, the one two further goes out
    int silentFrom = -1;             // read: from this block on nothing is sent (0: the request goes unanswered)
    int silentAfterWritten = -1;     // write: after this many blocks nothing is acknowledged (0: the request)
    bool faultByte = false;          // the write request is answered with 0x25 before its ACK
    bool spoof = false;              // a second port sends forged blocks (read) or replies and "ARM" (write)
};
