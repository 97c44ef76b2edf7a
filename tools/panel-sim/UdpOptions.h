#pragma once

#include "UdpPanelFaults.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <optional>

// How the virtual panel reached over UDP behaves: whom it announces itself
// to, its image, where a written image goes, and the faults it injects.
struct UdpOptions {
    static constexpr int DefaultRetransmitMs = 1000;

    QHostAddress host;     // the configurator's address
    quint16 port = 0;      // the configurator's port
    QByteArray image;      // the 9419 bytes a read sends
    QString saveFile;      // where a written image is saved as a .q22 file
    int retransmitMs = DefaultRetransmitMs; // resend a block not acknowledged within this time
    UdpPanelFaults faults;

    // True when the command line asks for this mode.
    static bool chosen(const QStringList& arguments);
    // The options of the command line, or the reason they are wrong.
    static std::optional<UdpOptions> parse(const QStringList& arguments, QString* error);
    static QString helpText();
};
