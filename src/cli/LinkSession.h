#pragma once

#include "ConfigImage.h"
#include "ConsoleDialogs.h"
#include "ConsoleLinkHost.h"
#include "PanelLink.h"
#include "QtDatagramSocket.h"
#include "QtSerialPort.h"
#include "QtTickClock.h"
#include "TransferProgress.h"

#include <QEventLoop>

#include <memory>
#include <optional>

class Console;

// One transfer with a panel from the command line, on the window's own link:
// connect, move the image, and end with an exit status. The link runs in this
// event loop as it runs in the window's.
class LinkSession {
public:
    struct Target {
        QString port;        // the serial device; empty for UDP
        quint16 listenPort;  // UDP only
        bool answerYes;
        double timeoutSeconds = 0;  // 0: as long as the link takes
        bool quiet = false;         // standard error tells the outcome alone
    };

    LinkSession(Console& console, const Target& target);

    // The image to write, or the one read once read() succeeds.
    ConfigImage& image() { return m_image; }
    // How the transfer reached the panel, as the library records it.
    const QString& route() const { return m_route; }

    int read();
    int write();
    // Ctrl+C or SIGTERM: the transfer ends at once, the line is given up, and
    // the session ends with the status the shell reports for the signal.
    void interrupt(int status);

private:
    enum class Transfer { Read, Write };

    int run(Transfer transfer);
    void connectPanel();
    bool connectionStarted() const;
    void startTransferOnceLinked();
    void onMessage(const Dialogs::Message& message, Dialogs::Answer answer);
    void timedOut();
    void finish(int status);
    void release();

    Console& m_console;
    Target m_target;
    QtTickClock m_clock;
    QtSerialPort m_port;
    QtDatagramSocket m_socket;
    ConfigImage m_image;
    TransferProgress m_progress;
    ConsoleDialogs m_dialogs;
    ConsoleLinkHost m_host;
    PanelLink m_link;
    QEventLoop m_loop;
    std::unique_ptr<TickTimer> m_timeout;
    Transfer m_transfer = Transfer::Read;
    bool m_transferStarted = false;
    QString m_route;
    std::optional<int> m_status;
};
