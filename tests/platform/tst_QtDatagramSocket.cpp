#include "EventWait.h"
#include "FreeUdpPort.h"
#include "QtDatagramSocket.h"

#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

class QtDatagramSocketTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deliversWholeDatagramsWithTheirSender();
    void portHeldElsewhereIsRefused();
    void stoppedSocketHearsNothingButStillSends();
};

void QtDatagramSocketTest::deliversWholeDatagramsWithTheirSender()
{
    QtDatagramSocket socket;
    const quint16 port = freeUdpPort();
    QVERIFY(socket.listen(port));
    QVERIFY(socket.isListening());
    QSignalSpy spy(&socket, &DatagramSocket::received);
    QUdpSocket panel;
    QVERIFY(panel.bind(QHostAddress::LocalHost, 0));
    panel.writeDatagram(QByteArray("Who?"), QHostAddress::LocalHost, port);
    panel.writeDatagram(QByteArray(134, 'R'), QHostAddress::LocalHost, port);
    QVERIFY(waitUntil([&] { return spy.size() == 2; }, 5000));

    QCOMPARE(spy[0][0].toByteArray(), QByteArray("Who?"));
    QCOMPARE(spy[1][0].toByteArray(), QByteArray(134, 'R'));
    QCOMPARE(spy[0][1].value<QHostAddress>().toString(), QStringLiteral("127.0.0.1"));
    QCOMPARE(spy[0][2].value<quint16>(), panel.localPort());

    // The answer goes back to where the datagram came from.
    QVERIFY(socket.send(QByteArray::fromHex("53010100E6EA"), QHostAddress::LocalHost, panel.localPort()));
    QVERIFY(waitUntil([&] { return panel.hasPendingDatagrams(); }, 5000));
    QByteArray answer(int(panel.pendingDatagramSize()), '\0');
    QHostAddress from;
    quint16 fromPort = 0;
    panel.readDatagram(answer.data(), answer.size(), &from, &fromPort);
    QCOMPARE(answer, QByteArray::fromHex("53010100E6EA"));
    QCOMPARE(fromPort, port);
}

void QtDatagramSocketTest::portHeldElsewhereIsRefused()
{
    QUdpSocket other;
    QVERIFY(other.bind(QHostAddress::AnyIPv4, 0));
    QtDatagramSocket socket;
    QVERIFY(!socket.listen(other.localPort()));
    QVERIFY(!socket.isListening());
}

void QtDatagramSocketTest::stoppedSocketHearsNothingButStillSends()
{
    QtDatagramSocket socket;
    const quint16 port = freeUdpPort();
    QVERIFY(socket.listen(port));
    socket.stop();
    QVERIFY(!socket.isListening());
    QSignalSpy spy(&socket, &DatagramSocket::received);
    QUdpSocket panel;
    QVERIFY(panel.bind(QHostAddress::LocalHost, 0));
    panel.writeDatagram(QByteArray("Who?"), QHostAddress::LocalHost, port);
    QVERIFY(socket.send(QByteArray(1, '\x06'), QHostAddress::LocalHost, panel.localPort()));
    QVERIFY(waitUntil([&] { return panel.hasPendingDatagrams(); }, 5000));
    QTest::qWait(50);
    QCOMPARE(spy.size(), 0);
    // Listening again on the same port works at once.
    QVERIFY(socket.listen(port));
}

QTEST_GUILESS_MAIN(QtDatagramSocketTest)
#include "tst_QtDatagramSocket.moc"
