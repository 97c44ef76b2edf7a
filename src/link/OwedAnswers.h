#pragma once

#include <cstdint>

// Which copy a serial write's answer belongs to. A frame or block not answered
// in time goes out again, and a slow panel then answers every copy, in the
// order sent; a single ACK or NAK names no block. Counting the copies sent and
// the answers still owed for units already settled tells an answer to the
// pending unit from a late answer to an earlier one.
struct OwedAnswers {
    std::int32_t pendingCopies = 0;  // copies of the pending unit not answered yet
    std::int32_t staleAnswers = 0;   // answers still to come for copies of settled units

    // A copy of the pending unit has gone out.
    void sent() { ++pendingCopies; }

    // An ACK or NAK has come: true when it answers a copy of the pending unit.
    // An answer when nothing is owed answers nothing that was sent.
    bool take()
    {
        if (staleAnswers > 0) {
            --staleAnswers;
            return false;
        }
        if (pendingCopies == 0)
            return false;
        --pendingCopies;
        return true;
    }

    // The pending unit is settled: the answers its other copies still get are
    // someone else's to ignore.
    void settle()
    {
        staleAnswers += pendingCopies;
        pendingCopies = 0;
    }
};
