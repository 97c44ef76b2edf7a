#pragma once

class Dialogs;
class SerialPort;
class TickClock;

// The platform implementations chosen in main (or by a test) and handed down.
struct Platform {
    Dialogs& dialogs;
    TickClock& clock;
    SerialPort& serial;
};
