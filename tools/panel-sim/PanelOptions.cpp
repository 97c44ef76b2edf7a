#include "PanelOptions.h"

#include "ConfigImage.h"

#include <QCommandLineParser>
#include <QFile>

namespace {

bool readNumber(const QCommandLineParser& parser, const QString& name, int* value, QString* error)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int number = parser.value(name).toInt(&ok);
    if (!ok || number < 0) {
        *error = QStringLiteral("--%1 takes a number, not \"%2\"").arg(name, parser.value(name));
        return false;
    }
    *value = number;
    return true;
}

} // namespace

QByteArray PanelOptions::sampleImage()
{
    ConfigImage image;
    quint32 state = 0x5EED2219;
    for (int position = 1; position <= ConfigImage::Size; ++position) {
        state = state * 1664525u + 1013904223u;
        image.setByteAt(position, static_cast<std::uint8_t>(state >> 24));
    }
    return image.bytes();
}

std::optional<PanelOptions> PanelOptions::parse(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The virtual ZQ3.22L panel on a pseudo-terminal."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("image"), QStringLiteral("A .q22 file the panel holds (default: a sample)."));
    const QList<QCommandLineOption> options = {
        {QStringLiteral("save"), QStringLiteral("Save a written image to <file> (.q22)."), QStringLiteral("file")},
        {QStringLiteral("pace"), QStringLiteral("Keep real 115200 baud timing.")},
        {QStringLiteral("bad-crc"), QStringLiteral("Send block <n> with a broken CRC."), QStringLiteral("n")},
        {QStringLiteral("bad-crc-times"), QStringLiteral("How often the broken CRC is sent (default 1)."), QStringLiteral("k")},
        {QStringLiteral("repeat"), QStringLiteral("Send block <n> again after its ACK."), QStringLiteral("n")},
        {QStringLiteral("skip"), QStringLiteral("Send block <n>+1 in place of block <n>."), QStringLiteral("n")},
        {QStringLiteral("nak"), QStringLiteral("Answer the first <k> written blocks with NAK."), QStringLiteral("k")},
        {QStringLiteral("fault"), QStringLiteral("Answer the write request with the fault byte.")},
        {QStringLiteral("silent-after"), QStringLiteral("Go silent after block <n>."), QStringLiteral("n")},
        {QStringLiteral("close-after"), QStringLiteral("Hang up after block <n>."), QStringLiteral("n")},
    };
    parser.addOptions(options);
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        *error = parser.helpText();
        return std::nullopt;
    }

    PanelOptions result;
    result.saveFile = parser.value(QStringLiteral("save"));
    result.pace = parser.isSet(QStringLiteral("pace"));
    result.fault = parser.isSet(QStringLiteral("fault"));
    if (!readNumber(parser, QStringLiteral("bad-crc"), &result.badCrcBlock, error)
        || !readNumber(parser, QStringLiteral("bad-crc-times"), &result.badCrcTimes, error)
        || !readNumber(parser, QStringLiteral("repeat"), &result.repeatBlock, error)
        || !readNumber(parser, QStringLiteral("skip"), &result.skipBlock, error)
        || !readNumber(parser, QStringLiteral("nak"), &result.nakBlocks, error)
        || !readNumber(parser, QStringLiteral("silent-after"), &result.silentAfter, error)
        || !readNumber(parser, QStringLiteral("close-after"), &result.closeAfter, error))
        return std::nullopt;

    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        result.image = sampleImage();
        return result;
    }
    QFile file(files.constFirst());
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1: %2").arg(file.fileName(), file.errorString());
        return std::nullopt;
    }
    const QByteArray content = file.readAll();
    if (content.size() != FileSignature.size() + ConfigImage::Size || !content.startsWith(FileSignature)) {
        *error = QStringLiteral("%1 is not a .q22 file (\"ZQ.32U\" and %2 bytes)").arg(file.fileName()).arg(ConfigImage::Size);
        return std::nullopt;
    }
    result.image = content.mid(FileSignature.size());
    return result;
}
