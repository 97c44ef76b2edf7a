#include "LinkOptions.h"

#include "ConfigImage.h"
#include "ImageLayout.h"
#include "ListeningPort.h"

namespace {

const QString Port = QStringLiteral("port");
const QString Udp = QStringLiteral("udp");
const QString ListenPort = QStringLiteral("listen-port");
const QString Yes = QStringLiteral("yes");
const QString Timeout = QStringLiteral("timeout");
const QString Quiet = QStringLiteral("quiet");

constexpr int LargestPort = 65535;
// A day: longer is no limit a script means, and would overflow the timer.
constexpr double LongestTimeout = 24 * 60 * 60;

// The port the window's field would show for this configuration.
quint16 configuredPort(const ConfigImage& configuration)
{
    const auto field = ImageLayout::channelField(ImageLayout::RemoteConfigRecord, ImageLayout::Channel::Port);
    return listeningPort(QString::number(configuration.value(field)));
}

} // namespace

QList<QCommandLineOption> LinkOptions::options()
{
    return {
        QCommandLineOption(Port,
                           QStringLiteral("The panel on this serial port: a device path\n"
                                          "or a port as \"zq22 ports\" lists it."),
                           QStringLiteral("DEV")),
        QCommandLineOption(Udp, QStringLiteral("The panel over the network: listen and wait\n"
                                               "for its announcement.")),
        QCommandLineOption(ListenPort,
                           QStringLiteral("With --udp, listen on this port, not on the\n"
                                          "configurator's port of the configuration."),
                           QStringLiteral("N")),
        QCommandLineOption(Yes, QStringLiteral("Answer Yes to the link's questions.")),
        QCommandLineOption(Timeout,
                           QStringLiteral("Give up after this many seconds (decimals\n"
                                          "allowed), the waits for the panel included,\n"
                                          "with exit status 3."),
                           QStringLiteral("SECONDS")),
        QCommandLineOption(Quiet, QStringLiteral("Tell only the outcome: no status lines, no\n"
                                                 "countdown and no progress.")),
    };
}

LinkOptions::Result LinkOptions::target(const QCommandLineParser& parsed, const ConfigImage& configuration)
{
    double timeout = 0;
    if (parsed.isSet(Timeout)) {
        bool ok = false;
        timeout = parsed.value(Timeout).toDouble(&ok);
        if (!ok || !(timeout > 0) || timeout > LongestTimeout)
            return {std::nullopt, QStringLiteral("--timeout takes a number of seconds above 0, at most 86400")};
    }
    const bool udp = parsed.isSet(Udp);
    if (udp == parsed.isSet(Port))
        return {std::nullopt, QStringLiteral("give either --port DEV or --udp")};
    if (!udp) {
        if (parsed.isSet(ListenPort))
            return {std::nullopt, QStringLiteral("--listen-port goes with --udp")};
        const QString port = parsed.value(Port);
        if (port.isEmpty())
            return {std::nullopt, QStringLiteral("--port needs a device")};
        return {LinkSession::Target{port, 0, parsed.isSet(Yes), timeout, parsed.isSet(Quiet)}, QString()};
    }
    quint16 listenPort = configuredPort(configuration);
    if (parsed.isSet(ListenPort)) {
        bool ok = false;
        const int number = parsed.value(ListenPort).toInt(&ok);
        if (!ok || number < 1 || number > LargestPort)
            return {std::nullopt, QStringLiteral("--listen-port takes a port from 1 to 65535")};
        listenPort = static_cast<quint16>(number);
    }
    return {LinkSession::Target{QString(), listenPort, parsed.isSet(Yes), timeout, parsed.isSet(Quiet)}, QString()};
}
