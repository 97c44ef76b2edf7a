#pragma once

#include "Audience.h"

class Console;

// How far a transfer has got, on standard error: a bar redrawn in place when
// a person watches the terminal, otherwise a line at every tenth, so a log
// stays short. Nothing done yet (0 %) is not shown.
class TransferProgress {
public:
    TransferProgress(Console& console, Audience audience);

    void show(int percent);
    // The transfer has stopped: the bar's line is ended and the next one starts afresh.
    void end();
    // Something else is about to be written to standard error.
    void interrupt();

private:
    Console& m_console;
    Audience m_audience;
    int m_shown = 0;   // the last percentage (bar) or tenth (lines) written
    bool m_barOnLine = false;
};
