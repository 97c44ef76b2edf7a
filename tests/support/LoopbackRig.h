#pragma once

#include "CompressedClock.h"
#include "ConfigImage.h"
#include "LinkVars.h"
#include "QtDatagramSocket.h"
#include "QtTickClock.h"
#include "RecordingLinkHost.h"
#include "RemoteLink.h"
#include "ScriptedDialogs.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A remote connection over real loopback UDP to the virtual panel, run as its
// own process. With a divisor above 1 every time of the link runs that much faster.
class LoopbackRig {
public:
    explicit LoopbackRig(int divisor = 1);
    ~LoopbackRig();

    // Starts the panel with these extra options while "Удаленная" waits, and
    // returns once the wait is over.
    void announce(const QStringList& panelOptions = {});
    // The same, then waits until the panel has answered the connect frame.
    bool connectPanel(const QStringList& panelOptions = {});
    void startRead();
    void startWrite(const QByteArray& image);
    // Waits until the remote connection has ended (the transfer is over).
    bool waitForEnd(int timeoutMs);
    // The image of the .q22 file the panel saved of a write.
    QByteArray panelReceived() const;
    QString panelOutput();

    QByteArray panelImage;
    QtTickClock realClock;
    CompressedClock compressedClock;
    TickClock& clock;
    RecordingLinkHost host;
    ScriptedDialogs dialogs;
    ConfigImage image;
    LinkVars vars;
    QtDatagramSocket socket;
    RemoteLink link;

private:
    QTemporaryDir m_dir;
    QProcess m_panel;
};
