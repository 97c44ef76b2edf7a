#pragma once

#include "ConfigImage.h"
#include "PanelFaults.h"
#include "PanelLink.h"
#include "QtDatagramSocket.h"
#include "QtSerialPort.h"
#include "QtTickClock.h"
#include "RecordingLinkHost.h"
#include "ScriptedDialogs.h"

#include <QTemporaryDir>

// The configurator's side of the soak: one link for the whole run, on the
// real port, socket and clock, as in a window left open all day. Each
// transfer meets a fresh virtual panel with the faults it is given.
class SoakSession {
public:
    enum class Result { Succeeded, FailedWithMessage, Lost, Stuck };
    struct Outcome {
        Result result;
        QString message;   // the first box of the transfer, or why it is stuck
    };

    SoakSession();

    // Connects, reads the panel's image or writes this one, and waits until
    // the controls are back for the next command.
    Outcome transfer(Transport transport, Direction direction, const QStringList& faults, const QByteArray& image);

private:
    bool linkPanel(Transport transport);
    void start(Direction direction, const QByteArray& image);
    bool transferOver() const;
    Outcome judge(Direction direction, const QByteArray& image, const QString& saved);
    // The user answers every box, declines closing when a broken sequence asks
    // for it, and waits until the connection menu is offered again.
    bool controlsBack();
    QStringList panelArguments(Transport transport, const QStringList& faults, const QString& held,
                               const QString& saved) const;

    QTemporaryDir m_dir;
    QtTickClock m_clock;
    ScriptedDialogs m_dialogs;
    RecordingLinkHost m_host{m_clock};
    QtSerialPort m_port;
    QtDatagramSocket m_socket;
    ConfigImage m_image;
    PanelLink m_link{m_image, m_host, m_dialogs, m_clock, m_port, m_socket};
    quint16 m_udpPort = 0;
};
