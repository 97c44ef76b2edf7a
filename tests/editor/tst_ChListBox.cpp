#include "ChListBox.h"

#include <QTest>

class ChListBoxTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void channelText_data();
    void channelText();
    void entriesKeepTheirOrderAndKind();
};

void ChListBoxTest::channelText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("0x11") << 0x11 << "Sim1 Первый номер";
    QTest::newRow("0x12") << 0x12 << "Sim1 Второй номер";
    QTest::newRow("0x21") << 0x21 << "Sim1 VPN IP1";
    QTest::newRow("0x22") << 0x22 << "Sim1 VPN IP2";
    QTest::newRow("0x23") << 0x23 << "Sim1 PBL IP";
    QTest::newRow("0x31") << 0x31 << "Ethernet IP1";
    QTest::newRow("0x32") << 0x32 << "Ethernet IP2";
    QTest::newRow("GSM slot 3") << 0x13 << "";
    QTest::newRow("SMS") << 0x40 << "";
    QTest::newRow("remote") << 0x60 << "";
}

void ChListBoxTest::channelText()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QCOMPARE(ChListBox::channelText(kind), text);
}

void ChListBoxTest::entriesKeepTheirOrderAndKind()
{
    ChListBox list;
    for (int kind : {0x11, 0x12, 0x31})
        list.addEntry(ChListBox::channelText(kind), kind);
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.item(1)->text(), QStringLiteral("Sim1 Второй номер"));
    QCOMPARE(list.entryKind(2), 0x31);
    list.clear();
    QCOMPARE(list.count(), 0);
}

QTEST_MAIN(ChListBoxTest)
#include "tst_ChListBox.moc"
