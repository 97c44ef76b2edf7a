// The serial port adapter on the virtual panel's pseudo-terminal, a line that
// stays up between openings as a real one can.
#include "EventWait.h"
#include "Frames.h"
#include "QtSerialPort.h"
#include "VirtualPanel.h"

#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

constexpr int AnswerTimeoutMs = 10000;

} // namespace

class QtSerialPortTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void bytesWaitingBeforeTheOpeningAreNotRead_data();
    void bytesWaitingBeforeTheOpeningAreNotRead();
    void bytesWrittenJustBeforeTheClosingGoOut();
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

// The last ACK of a read is written as the program ends: the port's own
// buffer must reach the line before the port is closed, or the panel waits for
// an answer that never comes.
void QtSerialPortTest::bytesWrittenJustBeforeTheClosingGoOut()
{
    const int line = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(line >= 0 && grantpt(line) == 0 && unlockpt(line) == 0);
    const auto closeLine = qScopeGuard([line] { ::close(line); });
    const QString device = QString::fromLocal8Bit(ptsname(line));

    QtSerialPort port;
    QVERIFY2(port.open(device), qPrintable(port.openFailureReason()));
    const QByteArray last = Frames::toBytes(Frames::connectFrame());
    QVERIFY(port.write(QByteArray(1, char(Frames::Ack)) + last));
    port.close();

    QByteArray received;
    pollfd readable{line, POLLIN, 0};
    while (received.size() < 1 + last.size() && ::poll(&readable, 1, AnswerTimeoutMs) > 0) {
        char buffer[64];
        const ssize_t count = ::read(line, buffer, sizeof buffer);
        if (count <= 0)
            break;
        received.append(buffer, count);
    }
    QCOMPARE(received.toHex(' '), (QByteArray(1, char(Frames::Ack)) + last).toHex(' '));
}

QTEST_GUILESS_MAIN(QtSerialPortTest)
#include "tst_QtSerialPort.moc"
