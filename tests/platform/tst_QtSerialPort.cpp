// The serial port adapter on the virtual panel's pseudo-terminal, a line that
// stays up between openings as a real one can.
#include "EventWait.h"
#include "Frames.h"
#include "QtSerialPort.h"
#include "VirtualPanel.h"

#include <QFile>
#include <QTest>

namespace {

constexpr int AnswerTimeoutMs = 10000;

} // namespace

class QtSerialPortTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void bytesWaitingBeforeTheOpeningAreNotRead_data();
    void bytesWaitingBeforeTheOpeningAreNotRead();
};

void QtSerialPortTest::initTestCase()
{
    QVERIFY2(QFile::exists(VirtualPanel::program()), qPrintable(VirtualPanel::program()));
}

void QtSerialPortTest::bytesWaitingBeforeTheOpeningAreNotRead_data()
{
    QTest::addColumn<QString>("stale");
    QTest::newRow("an unread ready byte") << "01";
    QTest::newRow("the tail of a block and an ACK") << "52 4a 00 4b 9c 06";
}

// What is read after the opening answers what was sent after it: the ready
// byte for the connect frame, then the first block for the read request.
void QtSerialPortTest::bytesWaitingBeforeTheOpeningAreNotRead()
{
    QFETCH(QString, stale);
    VirtualPanel panel;
    QVERIFY2(panel.start({QStringLiteral("--stale"), stale}), qPrintable(panel.errors()));

    QtSerialPort port;
    QVERIFY2(port.open(panel.devicePath()), qPrintable(port.openFailureReason()));
    QVERIFY(port.write(Frames::toBytes(Frames::connectFrame()) + Frames::toBytes(Frames::readRequest())));
    QByteArray received;
    QVERIFY2(waitUntil(
                 [&] {
                     received += port.read(port.bytesAvailable());
                     return received.size() >= 1 + Frames::BlockSize;
                 },
                 AnswerTimeoutMs),
             qPrintable(received.toHex(' ') + panel.errors()));

    QCOMPARE(received.left(4).toHex(' '), QByteArray("01 52 01 00"));
}

QTEST_GUILESS_MAIN(QtSerialPortTest)
#include "tst_QtSerialPort.moc"
