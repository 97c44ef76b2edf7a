#include "ConfigImage.h"
#include "IP2Word.h"

#include <QTest>

class IP2WordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void address_data();
    void address();
    void storedBytesReadInOrder();
};

void IP2WordTest::address_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("word");

    QTest::newRow("panel") << "192.168.1.249" << 4177635520u;
    QTest::newRow("low") << "1.0.0.0" << 1u;
    QTest::newRow("high") << "0.0.0.1" << 0x01000000u;
    QTest::newRow("all ones") << "255.255.255.255" << 0xFFFFFFFFu;
    QTest::newRow("long last part") << "1.2.3.0004" << 0x04030201u;
    QTest::newRow("three parts") << "192.168.1" << 0u;
    QTest::newRow("five parts") << "1.2.3.4.5" << 0u;
    QTest::newRow("trailing dot") << "1.2.3." << 0u;
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("last too large") << "1.2.3.256" << 0u;
    QTest::newRow("second too large") << "1.300.3.4" << 0u;
    QTest::newRow("four-character part") << "0001.2.3.4" << 0u;
    QTest::newRow("empty part") << "1..3.4" << 0u;
    QTest::newRow("not a number") << "1.b.3.4" << 0u;
    QTest::newRow("negative") << "1.-2.3.4" << 0u;
    QTest::newRow("zero address") << "0.0.0.0" << 0u;
}

void IP2WordTest::address()
{
    QFETCH(QString, text);
    QFETCH(quint32, word);
    QCOMPARE(IP2Word(text), word);
}

void IP2WordTest::storedBytesReadInOrder()
{
    ConfigImage image;
    const ImageLayout::Field field{0, 4};
    image.setValue(field, IP2Word(QStringLiteral("192.168.1.249")));
    QCOMPARE(image.bytes().left(4), QByteArray::fromHex("C0A801F9"));
}

QTEST_MAIN(IP2WordTest)
#include "tst_IP2Word.moc"
