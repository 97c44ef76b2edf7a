// Writes the hand-made seeds of the fuzz corpora into the folder given: the
// factory configuration as a .q22 file and as JSON, and whole read and write
// conversations with a panel, on the serial line and over UDP, in the record
// format of RecordFeed.
#include "ConfigFile.h"
#include "ConfigJson.h"
#include "FactoryImage.h"
#include "Frames.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

// Kinds shared by the two link targets; the rest is each target's own.
constexpr char Pause = 0;
constexpr char Bytes = 1;     // serial: the panel's bytes; UDP: sender byte and datagram
constexpr char Command = 2;
enum SerialCommand : char { SerialRead = 0, SerialWrite = 1 };
enum RemoteCommand : char { RemoteRead = 1, RemoteWrite = 2 };
constexpr char FromPanel = 0;
constexpr char FromStranger = 2;

class Records {
public:
    Records& add(char kind, const QByteArray& payload)
    {
        m_bytes.append(kind).append(char(payload.size())).append(payload);
        return *this;
    }
    Records& pause(int halfTicks) { return add(Pause, QByteArray(1, char(halfTicks))); }
    Records& command(char which) { return add(Command, QByteArray(1, which)); }
    Records& serial(const QByteArray& bytes) { return add(Bytes, bytes); }
    Records& datagram(const QByteArray& bytes, char from = FromPanel) { return add(Bytes, from + bytes); }
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

QByteArray one(std::uint8_t byte)
{
    return QByteArray(1, char(byte));
}

QList<QByteArray> panelBlocks(const ConfigImage& image)
{
    QList<QByteArray> blocks;
    for (const Frames::BlockSpan& span : Frames::cutImage())
        blocks.append(Frames::toBytes(
            Frames::panelBlock(Frames::OpRead, span.number, image.bytes().mid(span.position - 1, span.count))));
    return blocks;
}

QByteArray serialRead(const ConfigImage& image)
{
    Records records;
    records.serial(one(Frames::Ready)).command(SerialRead);
    for (const QByteArray& block : panelBlocks(image))
        records.serial(block).pause(0);
    records.serial(one(Frames::Ready));
    return records.bytes();
}

// Line noise before the blocks and the blocks in uneven pieces, one of them damaged once.
QByteArray serialReadInPieces(const ConfigImage& image)
{
    Records records;
    records.serial(one(Frames::Ready)).command(SerialRead).serial(QByteArrayLiteral("\x01\x06\x15noise"));
    const QList<QByteArray> blocks = panelBlocks(image);
    for (int n = 0; n < blocks.size(); ++n) {
        QByteArray block = blocks[n];
        if (n == 3) {
            QByteArray damaged = block;
            damaged[60] = char(damaged[60] ^ 0x40);
            records.serial(damaged.left(100)).serial(damaged.mid(100)).pause(0);
        }
        const int cut = 1 + (n * 37) % 133;
        records.serial(block.left(cut)).pause(0).serial(block.mid(cut)).pause(0);
    }
    return records.bytes();
}

QByteArray serialWrite()
{
    Records records;
    records.serial(one(Frames::Ready)).command(SerialWrite);
    for (int n = 0; n <= Frames::BlockCount; ++n)
        records.serial(one(Frames::Ack)).pause(0);
    records.serial(one(Frames::Ready));
    return records.bytes();
}

// The panel announces itself and answers the connect frame sent after the wait's step.
Records remoteLinked()
{
    Records records;
    records.datagram(Frames::Announcement).pause(15).datagram(one(Frames::Ready));
    return records;
}

QByteArray remoteRead(const ConfigImage& image)
{
    Records records = remoteLinked();
    records.command(RemoteRead).datagram(one(Frames::Ack)).pause(1);
    for (const QByteArray& block : panelBlocks(image))
        records.datagram(block).pause(1);
    return records.bytes();
}

// The same read with a stranger's copies of the blocks in between.
QByteArray remoteReadWithStranger(const ConfigImage& image)
{
    Records records = remoteLinked();
    records.command(RemoteRead).datagram(one(Frames::Ack)).pause(1);
    for (const QByteArray& block : panelBlocks(image))
        records.datagram(block, FromStranger).datagram(block).pause(1);
    return records.bytes();
}

QByteArray remoteWrite()
{
    Records records = remoteLinked();
    records.command(RemoteWrite);
    for (int n = 0; n <= Frames::BlockCount; ++n)
        records.datagram(one(Frames::Ack)).pause(1);
    records.pause(2).datagram(one(Frames::Ready));
    return records.bytes();
}

QByteArray remoteArmed()
{
    return Records().datagram(Frames::Announcement).pause(15).datagram(Frames::Armed).bytes();
}

bool put(const QDir& corpus, const QString& target, const QString& name, const QByteArray& bytes)
{
    if (!corpus.mkpath(target))
        return false;
    QFile file(corpus.filePath(target + QLatin1Char('/') + name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zq22-fuzz-seeds CORPUS-FOLDER\n");
        return 2;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    const ConfigImage factory = factoryImage();
    const QByteArray file = ConfigFile::Signature + factory.bytes();
    QByteArray foreign = file;
    foreign.replace(0, 2, "AB");

    const bool written = put(corpus, QStringLiteral("q22_load"), QStringLiteral("seed-factory"), file)
        && put(corpus, QStringLiteral("q22_load"), QStringLiteral("seed-short"), file.left(100))
        && put(corpus, QStringLiteral("q22_load"), QStringLiteral("seed-foreign-signature"), foreign)
        && put(corpus, QStringLiteral("json_import"), QStringLiteral("seed-factory"), ConfigJson::write(factory))
        && put(corpus, QStringLiteral("serial_receive"), QStringLiteral("seed-read"), serialRead(factory))
        && put(corpus, QStringLiteral("serial_receive"), QStringLiteral("seed-read-in-pieces"),
               serialReadInPieces(factory))
        && put(corpus, QStringLiteral("serial_receive"), QStringLiteral("seed-write"), serialWrite())
        && put(corpus, QStringLiteral("datagrams"), QStringLiteral("seed-read"), remoteRead(factory))
        && put(corpus, QStringLiteral("datagrams"), QStringLiteral("seed-read-with-stranger"),
               remoteReadWithStranger(factory))
        && put(corpus, QStringLiteral("datagrams"), QStringLiteral("seed-write"), remoteWrite())
        && put(corpus, QStringLiteral("datagrams"), QStringLiteral("seed-armed"), remoteArmed());
    if (!written) {
        std::fprintf(stderr, "cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
