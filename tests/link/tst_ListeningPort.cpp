#include "ListeningPort.h"

#include <QTest>

class ListeningPortTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void portFromText_data();
    void portFromText();
};

void ListeningPortTest::portFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("port");
    QTest::newRow("initial text wraps") << "99999" << 34463;
    QTest::newRow("plain") << "9990" << 9990;
    QTest::newRow("highest") << "65535" << 65535;
    QTest::newRow("one past the highest") << "65536" << 0;
    QTest::newRow("negative wraps") << "-1" << 65535;
    QTest::newRow("letters") << "port" << 9990;
    QTest::newRow("digits and letters") << "12a" << 9990;
    QTest::newRow("beyond 32 bits") << "4294967296" << 9990;
}

void ListeningPortTest::portFromText()
{
    QFETCH(QString, text);
    QFETCH(int, port);
    QCOMPARE(int(listeningPort(text)), port);
}

QTEST_GUILESS_MAIN(ListeningPortTest)
#include "tst_ListeningPort.moc"
