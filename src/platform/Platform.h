#pragma once

class DatagramSocket;
class Dialogs;
class Preferences;
class SerialPort;
class SettingsStore;
class TickClock;

// The platform implementations chosen in main (or by a test) and handed down.
struct Platform {
    Dialogs& dialogs;
    TickClock& clock;
    SerialPort& serial;
    DatagramSocket& udp;
    const SettingsStore& settings;
    Preferences& preferences;
};
