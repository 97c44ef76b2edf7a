#include "SoakSession.h"

#include "ConfigFile.h"
#include "EventWait.h"
#include "FreeUdpPort.h"
#include "TestFiles.h"
#include "VirtualPanel.h"

#include <QProcess>

#include <memory>

namespace {

// Longer than any of the link's own ways to give up (E1 after 60 s, E9 after
// 76 s, seven unanswered blocks after 80 s), so that only a hang reaches them.
constexpr int LinkMs = 150000;
constexpr int TransferMs = 300000;
constexpr int ControlsBackMs = 150000;
constexpr int PanelStartMs = 10000;

bool claimsSuccess(const QString& message)
{
    return message.startsWith(QStringLiteral("Чтение конфигурации ППК"))
        || message.startsWith(QStringLiteral("Запись конфигурации ППК"));
}

// The panel on the pseudo-terminal, or over UDP, for one transfer.
class Panel {
public:
    virtual ~Panel() = default;
    virtual bool start(const QStringList& arguments) = 0;
};

class PtyPanel final : public Panel {
public:
    explicit PtyPanel(ScriptedDialogs& dialogs) : m_dialogs(dialogs) {}
    bool start(const QStringList& arguments) override
    {
        if (!m_panel.start(arguments))
            return false;
        m_dialogs.answerPort(m_panel.devicePath());
        return true;
    }

private:
    ScriptedDialogs& m_dialogs;
    VirtualPanel m_panel;
};

class NetworkPanel final : public Panel {
public:
    ~NetworkPanel() override
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    bool start(const QStringList& arguments) override
    {
        m_process.start(VirtualPanel::program(), arguments);
        return m_process.waitForStarted(PanelStartMs);
    }

private:
    QProcess m_process;
};

} // namespace

SoakSession::SoakSession()
    : m_udpPort(freeUdpPort())
{
    m_host.confPort = QString::number(m_udpPort);
}

SoakSession::Outcome SoakSession::transfer(Transport transport, Direction direction, const QStringList& faults,
                                           const QByteArray& image)
{
    m_dialogs.forget();
    m_host.statuses.clear();
    m_host.gauges.clear();
    m_host.delays.clear();
    const QString held = m_dir.filePath(QStringLiteral("held.q22"));
    const QString saved = m_dir.filePath(QStringLiteral("written.q22"));
    QFile::remove(saved);
    if (!writeFile(held, ConfigFile::Signature + image))
        return {Result::Stuck, QStringLiteral("cannot write the panel's image")};

    const std::unique_ptr<Panel> panel = transport == Transport::Serial
        ? std::unique_ptr<Panel>(std::make_unique<PtyPanel>(m_dialogs))
        : std::unique_ptr<Panel>(std::make_unique<NetworkPanel>());
    if (!panel->start(panelArguments(transport, faults, held, saved)))
        return {Result::Stuck, QStringLiteral("the virtual panel did not start")};

    Outcome outcome{Result::FailedWithMessage, QString()};
    if (linkPanel(transport)) {
        start(direction, image);
        if (!waitUntil([this] { return transferOver(); }, TransferMs))
            return {Result::Stuck, QStringLiteral("the transfer never ended")};
        outcome = judge(direction, image, saved);
    } else if (m_dialogs.shown().isEmpty()) {
        return {Result::Stuck, QStringLiteral("the panel was never linked, and nothing said so")};
    } else {
        outcome.message = m_dialogs.shown().constFirst().text;
    }
    if (!controlsBack())
        return {Result::Stuck, outcome.message + QStringLiteral(" (and the controls never came back)")};
    return outcome;
}

bool SoakSession::linkPanel(Transport transport)
{
    if (transport == Transport::Serial)
        m_link.USB2Click();
    else
        m_link.N2Click();   // returns once the panel has announced itself, or the wait is over
    return waitUntil([this] { return m_link.vars().PanelLinked || !m_dialogs.shown().isEmpty(); }, LinkMs)
        && m_link.vars().PanelLinked;
}

// Its message is shown, and nothing is being sent or awaited any more: a
// serial connection that ends closes the port and keeps the transfer's code.
bool SoakSession::transferOver() const
{
    return !m_dialogs.shown().isEmpty() && (m_link.vars().TransferOp == TransferOps::None || !m_port.isOpen());
}

void SoakSession::start(Direction direction, const QByteArray& image)
{
    if (direction == Direction::Read) {
        m_link.ItemReadClick();
        return;
    }
    m_image.assign(image);
    m_link.startWrite();
}

SoakSession::Outcome SoakSession::judge(Direction direction, const QByteArray& image, const QString& saved)
{
    const QString message = m_dialogs.shown().constFirst().text;
    if (!claimsSuccess(message))
        return {Result::FailedWithMessage, message};
    const QByteArray arrived = direction == Direction::Read ? m_image.bytes() : readFile(saved).mid(ConfigFile::Signature.size());
    return {arrived == image ? Result::Succeeded : Result::Lost, message};
}

bool SoakSession::controlsBack()
{
    if (m_host.closing)
        m_host.closing = false;
    return waitUntil([this] { return m_host.enabled(LinkHost::Item::ItemLink); }, ControlsBackMs);
}

QStringList SoakSession::panelArguments(Transport transport, const QStringList& faults, const QString& held,
                                        const QString& saved) const
{
    QStringList arguments;
    if (transport == Transport::Udp)
        arguments << QStringLiteral("--udp") << QStringLiteral("--port") << QString::number(m_udpPort);
    return arguments + faults + QStringList{held, QStringLiteral("--save"), saved};
}
