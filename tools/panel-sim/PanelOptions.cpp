#include "PanelOptions.h"

#include "CommandLineNumber.h"
#include "ConfigFile.h"
#include "ConfigImage.h"

#include <QCommandLineParser>
#include <QFile>

#include <algorithm>
#include <cctype>

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

namespace {

void define(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Without --udp: the virtual ZQ3.22L panel on a pseudo-terminal; it prints the device to open in the configurator."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("image"), QStringLiteral("A .q22 file the panel holds (default: a sample)."));
    parser.addOptions({
        {QStringLiteral("save"), QStringLiteral("Save a written image to <file> (.q22)."), QStringLiteral("file")},
        {QStringLiteral("pace"), QStringLiteral("Keep real 115200 baud timing.")},
        {QStringLiteral("bad-crc"), QStringLiteral("Send block <n> with a broken CRC."), QStringLiteral("n")},
        {QStringLiteral("bad-crc-times"), QStringLiteral("How often the broken CRC is sent (default 1)."), QStringLiteral("k")},
        {QStringLiteral("repeat"), QStringLiteral("Send block <n> again after its ACK."), QStringLiteral("n")},
        {QStringLiteral("skip"), QStringLiteral("Send block <n>+1 in place of block <n>."), QStringLiteral("n")},
        {QStringLiteral("nak"), QStringLiteral("Answer the first <k> written blocks with NAK."), QStringLiteral("k")},
        {QStringLiteral("refuse"), QStringLiteral("Answer the first sending of written block <n> with NAK."),
         QStringLiteral("n")},
        {QStringLiteral("late"), QStringLiteral("Answer everything <s> seconds late (decimals allowed)."),
         QStringLiteral("s")},
        {QStringLiteral("fault"), QStringLiteral("Answer the write request with the fault byte.")},
        {QStringLiteral("silent-after"), QStringLiteral("Go silent after block <n>."), QStringLiteral("n")},
        {QStringLiteral("close-after"), QStringLiteral("Hang up after block <n>."), QStringLiteral("n")},
        {QStringLiteral("stale"),
         QStringLiteral("Leave <hex> bytes waiting on the line before the configurator opens it, as answers an "
                        "earlier configurator did not read."),
         QStringLiteral("hex")},
    });
}

// Pairs of hex digits, spaces between bytes allowed.
bool readHex(const QCommandLineParser& parser, const QString& name, QByteArray* value, QString* error)
{
    if (!parser.isSet(name))
        return true;
    const QByteArray digits = parser.value(name).toLatin1().replace(' ', QByteArray());
    const auto isHexDigit = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    if (digits.isEmpty() || digits.size() % 2 != 0 || !std::all_of(digits.begin(), digits.end(), isHexDigit)) {
        *error = QStringLiteral("--%1 wants bytes in hex, such as 01 or \"06 15\", not \"%2\"")
                     .arg(name, parser.value(name));
        return false;
    }
    *value = QByteArray::fromHex(digits);
    return true;
}

} // namespace

QString PanelOptions::helpText()
{
    QCommandLineParser parser;
    define(parser);
    return parser.helpText();
}

std::optional<PanelOptions> PanelOptions::parse(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    define(parser);
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
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
        || !readNumber(parser, QStringLiteral("refuse"), &result.refuseBlock, error)
        || !readSeconds(parser, QStringLiteral("late"), &result.lateness, error)
        || !readNumber(parser, QStringLiteral("silent-after"), &result.silentAfter, error)
        || !readNumber(parser, QStringLiteral("close-after"), &result.closeAfter, error))
        return std::nullopt;
    if (!readHex(parser, QStringLiteral("stale"), &result.stale, error))
        return std::nullopt;

    std::optional<QByteArray> image = loadImage(parser.positionalArguments(), error);
    if (!image)
        return std::nullopt;
    result.image = *image;
    return result;
}

std::optional<QByteArray> PanelOptions::loadImage(const QStringList& files, QString* error)
{
    if (files.isEmpty())
        return sampleImage();
    if (files.size() > 1) {
        *error = QStringLiteral("one image file only, not %1").arg(files.join(QLatin1Char(' ')));
        return std::nullopt;
    }
    QFile file(files.constFirst());
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1: %2").arg(file.fileName(), file.errorString());
        return std::nullopt;
    }
    const QByteArray content = file.readAll();
    if (content.size() != ConfigFile::Signature.size() + ConfigImage::Size || !content.startsWith(ConfigFile::Signature)) {
        *error = QStringLiteral("%1 is not a .q22 file (\"%2\" and %3 bytes)")
                     .arg(file.fileName(), QString::fromLatin1(ConfigFile::Signature))
                     .arg(ConfigImage::Size);
        return std::nullopt;
    }
    return content.mid(ConfigFile::Signature.size());
}

bool PanelOptions::saveImage(const QString& path, const QByteArray& image, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(ConfigFile::Signature + image) < 0) {
        *error = QStringLiteral("cannot save %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
