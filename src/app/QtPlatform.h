#pragma once

#include "Application.h"
#include "Platform.h"
#include "QtDatagramSocket.h"
#include "QtDialogs.h"
#include "QtPreferences.h"
#include "QtSerialPort.h"
#include "QtSettingsStore.h"
#include "QtTickClock.h"

// The real platform: the Qt implementations of every seam, for the program and
// for the tools that show its window.
class QtPlatform {
public:
    Platform platform() { return {dialogs, clock, serial, udp, settings, preferences}; }

    // The language the user chose, or the system's, before the first text is
    // shown: the program's texts, Qt's, and the file dialogs' words and figures.
    void useChosenLanguage(Application& app)
    {
        const Translations::Language language = Translations::chosen(preferences);
        app.setLanguage(language);
        dialogs.setLocale(Translations::localeOf(language));
    }

    QtDialogs dialogs;
    QtTickClock clock;
    QtSerialPort serial;
    QtDatagramSocket udp;
    QtSettingsStore settings;
    QtPreferences preferences;
};
