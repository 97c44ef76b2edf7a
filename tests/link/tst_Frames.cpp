#include "Crc16.h"
#include "Frames.h"

#include <QTest>

using namespace Frames;

class FramesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void crcCheckValue();
    void commandFrames_data();
    void commandFrames();
    void cuttingGivesSeventyFourBlocks();
    void outgoingBlockCarriesItsSpan();
    void outgoingBlockKeepsTheRestOfTheDataArea();
    void incomingBlockCheck_data();
    void incomingBlockCheck();
    void blocksThatWouldWriteOutsideTheImageAreRejected_data();
    void blocksThatWouldWriteOutsideTheImageAreRejected();
    void storingAWholeImageBlockByBlock();
};

void FramesTest::crcCheckValue()
{
    QCOMPARE(Crc16("123456789"), 0x31C3);
    QCOMPARE(Crc16(QByteArrayView()), 0);
}

void FramesTest::commandFrames_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("connect") << toBytes(connectFrame()) << QByteArray::fromHex("53010101C7FA");
    QTest::newRow("remote connect") << toBytes(remoteConnectFrame()) << QByteArray::fromHex("53010100E6EA");
    QTest::newRow("read") << toBytes(readRequest()) << QByteArray::fromHex("52CB24007784");
    QTest::newRow("write") << toBytes(writeRequest()) << QByteArray::fromHex("57CB24003238");
}

void FramesTest::commandFrames()
{
    QFETCH(QByteArray, frame);
    QFETCH(QByteArray, expected);
    QCOMPARE(frame.toHex(' '), expected.toHex(' '));
}

void FramesTest::cuttingGivesSeventyFourBlocks()
{
    const QList<BlockSpan> spans = cutImage();
    QCOMPARE(spans.size(), BlockCount);
    for (int i = 0; i < 73; ++i) {
        QCOMPARE(spans[i].number, i + 1);
        QCOMPARE(spans[i].position, 1 + 128 * i);
        QCOMPARE(spans[i].count, 128);
    }
    QCOMPARE(spans.last().number, 74);
    QCOMPARE(spans.last().position, 9345);
    QCOMPARE(spans.last().count, 75);
    QCOMPARE(blockDataCount(9420), 0);
}

void FramesTest::outgoingBlockCarriesItsSpan()
{
    ConfigImage image;
    for (int p = 1; p <= ConfigImage::Size; ++p)
        image.setByteAt(p, static_cast<std::uint8_t>(p * 7));
    Block block{};
    QCOMPARE(fillOutgoingBlock(block, 74, 9345, image), 75);
    QCOMPARE(block[0], OpWrite);
    QCOMPARE(block[1], 74);
    QCOMPARE(block[2], 0);
    QCOMPARE(block[3], 75);
    for (int i = 0; i < 75; ++i)
        QCOMPARE(block[4 + i], static_cast<std::uint8_t>((9345 + i) * 7));
    // Sent blocks carry their CRC low byte first.
    const std::uint16_t crc = Crc16(QByteArrayView(reinterpret_cast<const char*>(block.data()), 132));
    QCOMPARE(block[132], crc & 0xFF);
    QCOMPARE(block[133], crc >> 8);
}

void FramesTest::outgoingBlockKeepsTheRestOfTheDataArea()
{
    ConfigImage image;
    Block block{};
    block.fill(0xAA);
    fillOutgoingBlock(block, 74, 9345, image);
    QCOMPARE(block[4 + 75], 0xAA);
    QCOMPARE(block[131], 0xAA);
}

void FramesTest::incomingBlockCheck_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    const QByteArray good = toBytes(panelBlock(OpRead, 3, QByteArray(128, 'x')));
    QByteArray swapped = good;
    std::swap(swapped[132], swapped[133]);
    QVERIFY(swapped[132] != swapped[133]);
    QByteArray damaged = good;
    damaged[50] = static_cast<char>(damaged[50] ^ 0x01);
    QTest::newRow("good") << good << true;
    QTest::newRow("crc bytes swapped") << swapped << false;
    QTest::newRow("one data bit flipped") << damaged << false;
    QTest::newRow("one byte short") << good.left(133) << false;
    QTest::newRow("one byte long") << good + '\0' << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void FramesTest::incomingBlockCheck()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(isValidIncomingBlock(bytes), valid);
}

void FramesTest::blocksThatWouldWriteOutsideTheImageAreRejected_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("imagePos");
    QTest::addColumn<bool>("fits");
    QTest::newRow("full block at the start") << 128 << 1 << true;
    QTest::newRow("last block exactly") << 75 << 9345 << true;
    QTest::newRow("last block one too long") << 76 << 9345 << false;
    QTest::newRow("128 bytes at the last block") << 128 << 9345 << false;
    QTest::newRow("count above 128") << 129 << 1 << false;
    QTest::newRow("count 255") << 255 << 1 << false;
    QTest::newRow("count 0") << 0 << 1 << false;
    QTest::newRow("image already full") << 1 << 9420 << false;
}

void FramesTest::blocksThatWouldWriteOutsideTheImageAreRejected()
{
    QFETCH(int, count);
    QFETCH(int, imagePos);
    QFETCH(bool, fits);
    Block block = panelBlock(OpRead, 1, QByteArray(1, 'x'));
    block[3] = static_cast<std::uint8_t>(count);
    QCOMPARE(blockFitsImage(block, imagePos), fits);
    ConfigImage image;
    if (!fits)
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, storeBlock(block, imagePos, image));
    QCOMPARE(image.bytes(), QByteArray(9419, '\0'));
}

void FramesTest::storingAWholeImageBlockByBlock()
{
    QByteArray source(ConfigImage::Size, '\0');
    for (int i = 0; i < source.size(); ++i)
        source[i] = static_cast<char>(i * 13 + 5);
    ConfigImage image;
    int position = 1;
    for (const BlockSpan& span : cutImage()) {
        const Block block = panelBlock(OpRead, span.number, source.mid(span.position - 1, span.count));
        QVERIFY(isValidIncomingBlock(toBytes(block)));
        QCOMPARE(blockNumber(block), span.number);
        position = storeBlock(block, position, image);
    }
    QCOMPARE(position, 9420);
    QCOMPARE(image.bytes(), source);
}

QTEST_GUILESS_MAIN(FramesTest)
#include "tst_Frames.moc"
