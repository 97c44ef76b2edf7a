#include "LinkSession.h"

#include "Console.h"
#include "ExitStatus.h"
#include "LinkTexts.h"
#include "VersionRecorder.h"

#include <QTimer>

#include <unistd.h>

namespace {

QString subjectOf(const LinkSession::Target& target)
{
    return target.port.isEmpty() ? QStringLiteral("UDP port %1").arg(target.listenPort) : target.port;
}

Audience audienceOf(const LinkSession::Target& target)
{
    if (target.quiet)
        return Audience::OutcomeOnly;
    return isatty(STDERR_FILENO) == 1 ? Audience::Person : Audience::Log;
}

// What the window's box cannot say: why the port did not open. Empty when the
// box says it already, with the way out.
QString whyNotOpened(const QtSerialPort& port)
{
    using Failure = QtSerialPort::OpenFailure;
    const QString listed = QStringLiteral("; \"zq22 ports\" lists the serial ports");
    switch (port.openFailure()) {
    case Failure::NoSuchPort:
        return QStringLiteral("no such port") + listed;
    case Failure::NotSerialPort:
        return QStringLiteral("not a serial port") + listed;
    case Failure::InUse:
        return QStringLiteral("the port is in use by another program");
    case Failure::Other:
        return QStringLiteral("cannot open the port: ") + port.openFailureReason();
    case Failure::Forbidden:
    case Failure::None:
        break;
    }
    return QString();
}

} // namespace

LinkSession::LinkSession(Console& console, const Target& target)
    : m_console(console)
    , m_target(target)
    , m_progress(console, audienceOf(target))
    , m_dialogs(console, m_progress, subjectOf(target), target.port, target.answerYes)
    , m_host(console, m_clock, m_progress, audienceOf(target), subjectOf(target), m_image,
             QString::number(target.listenPort))
    , m_link(m_image, m_host, m_dialogs, m_clock, m_port, m_socket)
{
    // The window's remote read box does not name the panel; a log of many panels needs it.
    m_dialogs.wording = [this](const Dialogs::Message& message) {
        return message.text == LinkTexts::remoteReadDone() ? LinkTexts::remoteReadDone(m_host.accountText())
                                                           : message.text;
    };
    m_dialogs.onMessage = [this](const Dialogs::Message& message, Dialogs::Answer answer) {
        onMessage(message, answer);
    };
    m_host.onRestored = [this] {
        if (m_transfer == Transfer::Read)
            finish(ExitStatus::Success);
    };
    m_host.onCloseRequested = [this] { finish(ExitStatus::LinkFailure); };
    m_host.onCommandsEnabled = [this] {
        // The link is still inside its handler: the transfer starts once it has returned.
        QTimer::singleShot(0, &m_loop, [this] { startTransferOnceLinked(); });
    };
}

int LinkSession::read()
{
    return run(Transfer::Read);
}

int LinkSession::write()
{
    return run(Transfer::Write);
}

void LinkSession::interrupt(int status)
{
    m_progress.interrupt();
    m_console.message(status == ExitStatus::Terminated ? QStringLiteral("zq22: terminated")
                                                       : QStringLiteral("zq22: interrupted"));
    finish(status);
}

void LinkSession::timedOut()
{
    m_progress.interrupt();
    m_console.message(QStringLiteral("zq22: %1: gave up after --timeout %2 s")
                          .arg(subjectOf(m_target), QString::number(m_target.timeoutSeconds)));
    finish(ExitStatus::LinkFailure);
}

int LinkSession::run(Transfer transfer)
{
    m_transfer = transfer;
    if (m_target.timeoutSeconds > 0) {
        // Counted from the start: the wait for a port, a panel or its blocks all go in.
        m_timeout = m_clock.createTimer(TickClock::Mode::SingleShot, [this] { timedOut(); });
        m_timeout->start(std::chrono::milliseconds(qRound64(m_target.timeoutSeconds * 1000)));
    }
    connectPanel();
    if (!m_status && !connectionStarted())
        finish(ExitStatus::LinkFailure);
    while (!m_status)
        m_loop.exec();
    release();
    return *m_status;
}

void LinkSession::connectPanel()
{
    if (m_target.port.isEmpty())
        m_link.N2Click();
    else
        m_link.USB2Click();
}

// A port that did not open, or a remote panel that never announced itself,
// leaves the link stand-alone, with or without a box.
bool LinkSession::connectionStarted() const
{
    if (m_target.port.isEmpty())
        return m_link.vars().LinkMode == LinkModes::Remote;
    return m_port.isOpen();
}

void LinkSession::startTransferOnceLinked()
{
    const LinkVars& vars = m_link.vars();
    if (m_status || m_transferStarted || !vars.PanelLinked || vars.TransferOp != TransferOps::None)
        return;
    m_transferStarted = true;
    m_route = m_target.port.isEmpty() ? VersionRecorder::udpRoute(vars.PeerAddress, vars.PeerPort)
                                      : VersionRecorder::serialRoute(m_target.port);
    if (m_transfer == Transfer::Read)
        m_link.ItemReadClick();
    else
        m_link.startWrite();
}

void LinkSession::onMessage(const Dialogs::Message& message, Dialogs::Answer answer)
{
    if (m_status)
        return;
    if (message.buttons == Dialogs::Buttons::YesNo) {
        // The only question on the way of a transfer offers to go on without a port.
        if (const QString reason = whyNotOpened(m_port); !reason.isEmpty())
            m_console.report(m_target.port, reason);
        if (answer == Dialogs::Answer::No)
            finish(ExitStatus::LinkFailure);
        return;
    }
    if (m_transfer == Transfer::Write) {
        const QString account = m_host.accountText();
        const bool written = message.text == LinkTexts::writeDone(account)
                             || message.text == LinkTexts::remoteWriteDone(account);
        finish(written ? ExitStatus::Success : ExitStatus::LinkFailure);
        return;
    }
    // A read is complete only when its image is handed on to be shown; the
    // remote link says so in a box just before.
    if (message.icon != Dialogs::Icon::Information)
        finish(ExitStatus::LinkFailure);
}

void LinkSession::finish(int status)
{
    if (m_status)
        return;
    m_status = status;
    // Every wait inside the link ends and its handlers stand still, as when the window closes.
    m_host.setClosingFlag();
    m_loop.quit();
}

void LinkSession::release()
{
    m_progress.end();
    m_link.stopListening();
    m_link.serial().closePort();
}
