#include "UdpPanel.h"

#include "ConfigImage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

QSet<int> numbers(const QString& list)
{
    QSet<int> result;
    for (const QString& item : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
        result.insert(item.toInt());
    return result;
}

// The image served when none is given: every byte tells its position apart.
QByteArray patternImage()
{
    QByteArray image(ConfigImage::Size, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Virtual panel reached over UDP"));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Configurator's port."), QStringLiteral("n"));
    const QCommandLineOption host(QStringLiteral("host"), QStringLiteral("Configurator's address."),
                                  QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption image(QStringLiteral("image"), QStringLiteral("Image served to a read."), QStringLiteral("file"));
    const QCommandLineOption save(QStringLiteral("save"), QStringLiteral("Where a written image goes."), QStringLiteral("file"));
    const QCommandLineOption retransmit(QStringLiteral("retransmit-ms"),
                                        QStringLiteral("Resend a block not acknowledged within this time."),
                                        QStringLiteral("ms"), QStringLiteral("1000"));
    const QCommandLineOption armed(QStringLiteral("armed"), QStringLiteral("Send ARM instead of Who?."));
    const QCommandLineOption noReady(QStringLiteral("no-ready"), QStringLiteral("Leave the connect frame unanswered."));
    const QCommandLineOption noRelinkReady(QStringLiteral("no-relink-ready"),
                                           QStringLiteral("Leave the connect frame after a write unanswered."));
    const QCommandLineOption lose(QStringLiteral("lose"), QStringLiteral("Blocks whose first sending is lost."), QStringLiteral("list"));
    const QCommandLineOption repeat(QStringLiteral("repeat"), QStringLiteral("Blocks sent twice."), QStringLiteral("list"));
    const QCommandLineOption badCrc(QStringLiteral("bad-crc"), QStringLiteral("Blocks first sent damaged."), QStringLiteral("list"));
    const QCommandLineOption outOfSequence(QStringLiteral("out-of-sequence"),
                                           QStringLiteral("When this block is due, send the one two further."), QStringLiteral("n"));
    const QCommandLineOption silentFrom(QStringLiteral("silent-from"),
                                       QStringLiteral("Read: send nothing from this block on (0: ignore the request)."), QStringLiteral("n"));
    const QCommandLineOption silentAfter(QStringLiteral("silent-after-written"),
                                         QStringLiteral("Write: acknowledge nothing after this many blocks (0: the request)."),
                                         QStringLiteral("n"));
    const QCommandLineOption faultByte(QStringLiteral("fault-byte"), QStringLiteral("Answer the write request with 0x25 first."));
    const QCommandLineOption spoof(QStringLiteral("spoof"), QStringLiteral("Forge datagrams from a second port."));
    parser.addOptions({port, host, image, save, retransmit, armed, noReady, noRelinkReady, lose, repeat, badCrc,
                       outOfSequence, silentFrom, silentAfter, faultByte, spoof});
    parser.process(app);

    if (!parser.isSet(port)) {
        std::fputs("--port is required\n", stderr);
        return 2;
    }
    QByteArray served = patternImage();
    if (parser.isSet(image)) {
        QFile file(parser.value(image));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fputs("cannot read the image\n", stderr);
            return 2;
        }
        served = file.readAll().leftJustified(ConfigImage::Size, '\0', true);
    }

    UdpPanelFaults faults;
    faults.armed = parser.isSet(armed);
    faults.noReady = parser.isSet(noReady);
    faults.noRelinkReady = parser.isSet(noRelinkReady);
    faults.lost = numbers(parser.value(lose));
    faults.repeated = numbers(parser.value(repeat));
    faults.badCrc = numbers(parser.value(badCrc));
    faults.outOfSequence = parser.value(outOfSequence).toInt();
    faults.silentFrom = parser.isSet(silentFrom) ? parser.value(silentFrom).toInt() : -1;
    faults.silentAfterWritten = parser.isSet(silentAfter) ? parser.value(silentAfter).toInt() : -1;
    faults.faultByte = parser.isSet(faultByte);
    faults.spoof = parser.isSet(spoof);

    UdpPanel panel(QHostAddress(parser.value(host)), static_cast<quint16>(parser.value(port).toUInt()), served,
                   parser.value(save), faults, parser.value(retransmit).toInt());
    if (!panel.start()) {
        std::fputs("cannot open a UDP socket\n", stderr);
        return 1;
    }
    return app.exec();
}
