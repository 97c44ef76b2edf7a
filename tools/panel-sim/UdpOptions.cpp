#include "UdpOptions.h"

#include "CommandLineNumber.h"
#include "PanelOptions.h"

#include <QCommandLineParser>

namespace {

const QString Udp = QStringLiteral("udp");

void define(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "With --udp: the virtual ZQ3.22L panel reached over UDP. It announces itself to the configurator "
        "waiting on --port, then serves a read or takes a write."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("image"), QStringLiteral("A .q22 file the panel holds (default: a sample)."));
    parser.addOptions({
        {Udp, QStringLiteral("Run the panel over UDP instead of a pseudo-terminal.")},
        {QStringLiteral("port"), QStringLiteral("The configurator's port (required)."), QStringLiteral("n")},
        {QStringLiteral("host"), QStringLiteral("The configurator's address."), QStringLiteral("address"),
         QStringLiteral("127.0.0.1")},
        {QStringLiteral("save"), QStringLiteral("Save a written image to <file> (.q22)."), QStringLiteral("file")},
        {QStringLiteral("retransmit-ms"),
         QStringLiteral("Resend a block not acknowledged within <ms> (default %1).").arg(UdpOptions::DefaultRetransmitMs),
         QStringLiteral("ms")},
        {QStringLiteral("armed"), QStringLiteral("Send ARM instead of Who?.")},
        {QStringLiteral("no-ready"), QStringLiteral("Leave the connect frame unanswered.")},
        {QStringLiteral("no-relink-ready"), QStringLiteral("Leave the connect frame after a write unanswered.")},
        {QStringLiteral("reannounce"), QStringLiteral("Send Who? once more after answering the connect frame.")},
        {QStringLiteral("lose"), QStringLiteral("Blocks whose first sending is lost."), QStringLiteral("list")},
        {QStringLiteral("repeat"), QStringLiteral("Blocks sent twice."), QStringLiteral("list")},
        {QStringLiteral("bad-crc"), QStringLiteral("Blocks first sent damaged."), QStringLiteral("list")},
        {QStringLiteral("out-of-sequence"), QStringLiteral("When block <n> is due, send the one two further."),
         QStringLiteral("n")},
        {QStringLiteral("silent-from"), QStringLiteral("Read: send nothing from block <n> on (0: ignore the request)."),
         QStringLiteral("n")},
        {QStringLiteral("silent-after-written"),
         QStringLiteral("Write: acknowledge nothing after <n> blocks (0: the request)."), QStringLiteral("n")},
        {QStringLiteral("fault-byte"), QStringLiteral("Answer the write request with 0x25 first.")},
        {QStringLiteral("spoof"), QStringLiteral("Forge datagrams from a second port.")},
    });
}

bool readList(const QCommandLineParser& parser, const QString& name, QSet<int>* value, QString* error)
{
    for (const QString& item : parser.value(name).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int number = item.toInt(&ok);
        if (!ok || number < 1) {
            *error = QStringLiteral("--%1 takes block numbers like 3,7, not \"%2\"").arg(name, parser.value(name));
            return false;
        }
        value->insert(number);
    }
    return true;
}

} // namespace

bool UdpOptions::chosen(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--") + Udp);
}

QString UdpOptions::helpText()
{
    QCommandLineParser parser;
    define(parser);
    return parser.helpText();
}

std::optional<UdpOptions> UdpOptions::parse(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    define(parser);
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }

    UdpOptions result;
    result.host = QHostAddress(parser.value(QStringLiteral("host")));
    if (result.host.isNull()) {
        *error = QStringLiteral("--host takes an IP address, not \"%1\"").arg(parser.value(QStringLiteral("host")));
        return std::nullopt;
    }
    result.saveFile = parser.value(QStringLiteral("save"));
    result.faults.armed = parser.isSet(QStringLiteral("armed"));
    result.faults.noReady = parser.isSet(QStringLiteral("no-ready"));
    result.faults.noRelinkReady = parser.isSet(QStringLiteral("no-relink-ready"));
    result.faults.reannounce = parser.isSet(QStringLiteral("reannounce"));
    result.faults.faultByte = parser.isSet(QStringLiteral("fault-byte"));
    result.faults.spoof = parser.isSet(QStringLiteral("spoof"));
    int port = 0;
    if (!parser.isSet(QStringLiteral("port"))) {
        *error = QStringLiteral("--udp needs --port, the configurator's port");
        return std::nullopt;
    }
    if (!readNumber(parser, QStringLiteral("port"), &port, error)
        || !readNumber(parser, QStringLiteral("retransmit-ms"), &result.retransmitMs, error)
        || !readNumber(parser, QStringLiteral("out-of-sequence"), &result.faults.outOfSequence, error)
        || !readNumber(parser, QStringLiteral("silent-from"), &result.faults.silentFrom, error)
        || !readNumber(parser, QStringLiteral("silent-after-written"), &result.faults.silentAfterWritten, error)
        || !readList(parser, QStringLiteral("lose"), &result.faults.lost, error)
        || !readList(parser, QStringLiteral("repeat"), &result.faults.repeated, error)
        || !readList(parser, QStringLiteral("bad-crc"), &result.faults.badCrc, error))
        return std::nullopt;
    if (result.retransmitMs < 1) {
        *error = QStringLiteral("--retransmit-ms takes at least 1");
        return std::nullopt;
    }
    if (port < 1 || port > 65535) {
        *error = QStringLiteral("--port takes 1 to 65535, not %1").arg(port);
        return std::nullopt;
    }
    result.port = static_cast<quint16>(port);

    std::optional<QByteArray> image = PanelOptions::loadImage(parser.positionalArguments(), error);
    if (!image)
        return std::nullopt;
    result.image = *image;
    return result;
}
