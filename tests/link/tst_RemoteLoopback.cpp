#include "DatagramSocket.h"
#include "EventWait.h"
#include "Frames.h"
#include "LoopbackRig.h"

#include <QTest>

using Item = LinkHost::Item;

namespace {
// Times of the link run this much faster in the fault cases.
constexpr int Fast = 20;
constexpr int TransferMs = 30000;
const QString Connected = QStringLiteral("Удаленный ППК IP: 127.0.0.1 подключен");
const QString ReadDone = QStringLiteral("Чтение конфигурации ППК завершено успешно.");
const QString WriteDone = QStringLiteral("Запись конфигурации ППК EC22 завершена успешно.");
const QString AckOverdue = QStringLiteral("Время ожидания подтверждения приема блока истекло!");
} // namespace

class RemoteLoopbackTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void announcementConnects();
    void fullRead();
    void fullWrite();
    void readFaults_data();
    void readFaults();
    void writeFaults_data();
    void writeFaults();
    void writeAfterARepeatedAnnouncement();
    void armedPanelRefuses();
    void unansweredConnectFrame();
};

void RemoteLoopbackTest::announcementConnects()
{
    LoopbackRig rig(Fast);
    QVERIFY(rig.connectPanel());
    QCOMPARE(rig.host.status(), Connected);
    QVERIFY(rig.host.whoLit);
    QCOMPARE(rig.vars.PeerAddress, QStringLiteral("127.0.0.1"));
    QVERIFY(rig.host.allEnabled());
    QVERIFY(rig.host.wrBtnVisible);
    QVERIFY(rig.dialogs.shown().isEmpty());
}

void RemoteLoopbackTest::fullRead()
{
    LoopbackRig rig;
    QVERIFY(rig.connectPanel());
    QCOMPARE(rig.host.status(), Connected);
    rig.startRead();
    QVERIFY(rig.waitForEnd(TransferMs));

    QCOMPARE(rig.dialogs.texts(), QStringList{ReadDone});
    QCOMPARE(rig.image.bytes(), rig.panelImage);
    QCOMPARE(rig.host.restored, 1);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
    QVERIFY(!rig.host.whoLit);
    QVERIFY(!rig.vars.PanelLinked);
    QCOMPARE(rig.vars.TransferOp, TransferOps::None);
    QVERIFY(!rig.host.enabled(Item::ItemRead));
    QVERIFY(!rig.link.isTimerWaitBlockActive());
}

void RemoteLoopbackTest::fullWrite()
{
    LoopbackRig rig;
    QVERIFY(rig.connectPanel());
    const QByteArray sent = rig.panelImage.toHex().left(ConfigImage::Size);
    rig.startWrite(sent);
    QVERIFY(rig.waitForEnd(TransferMs));

    QCOMPARE(rig.dialogs.texts(), QStringList{WriteDone});
    QCOMPARE(rig.panelReceived(), sent);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
    QVERIFY(!rig.host.whoLit);
    QCOMPARE(rig.vars.TransferOp, TransferOps::None);
    QVERIFY(!rig.link.isTimerWaitAckActive());
}

void RemoteLoopbackTest::readFaults_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("complete");
    QTest::newRow("repeated blocks") << QStringList{"--repeat", "3,40,74"} << QStringList{ReadDone} << true;
    QTest::newRow("lost blocks") << QStringList{"--lose", "1,7,50"} << QStringList{ReadDone} << true;
    QTest::newRow("bad CRC") << QStringList{"--bad-crc", "2,10,74"} << QStringList{ReadDone} << true;
    QTest::newRow("second source port") << QStringList{"--spoof"} << QStringList{ReadDone} << true;
    QTest::newRow("block out of sequence")
        << QStringList{"--out-of-sequence", "5"}
        << QStringList{QStringLiteral("Нарушена последовательность блоков. Ждали 5, получили 7")} << false;
    QTest::newRow("silent after block 3") << QStringList{"--silent-from", "4"}
                                          << QStringList{QStringLiteral("Время ожидания блока от ППК истекло!")} << false;
    QTest::newRow("read request unanswered") << QStringList{"--silent-from", "0"} << QStringList{AckOverdue} << false;
}

void RemoteLoopbackTest::readFaults()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, messages);
    QFETCH(bool, complete);
    LoopbackRig rig(Fast);
    QVERIFY(rig.connectPanel(options));
    rig.startRead();
    QVERIFY(rig.waitForEnd(TransferMs));

    QCOMPARE(rig.dialogs.texts(), messages);
    QCOMPARE(rig.image.bytes() == rig.panelImage, complete);
    QCOMPARE(rig.host.restored, complete ? 1 : 0);
    QVERIFY(!rig.host.whoLit);
    QVERIFY(!rig.host.enabled(Item::ItemRead));
}

void RemoteLoopbackTest::writeFaults_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("complete");
    QTest::newRow("fault byte") << QStringList{"--fault-byte"}
                                << QStringList{QStringLiteral("Ошибка записи в ППК"), WriteDone} << true;
    QTest::newRow("second source port") << QStringList{"--spoof"} << QStringList{WriteDone} << true;
    QTest::newRow("no answer after the write") << QStringList{"--no-relink-ready"} << QStringList{WriteDone} << true;
    QTest::newRow("silent after block 10") << QStringList{"--silent-after-written", "10"} << QStringList{AckOverdue} << false;
    QTest::newRow("write request unanswered") << QStringList{"--silent-after-written", "0"} << QStringList{AckOverdue} << false;
}

void RemoteLoopbackTest::writeFaults()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, messages);
    QFETCH(bool, complete);
    LoopbackRig rig(Fast);
    QVERIFY(rig.connectPanel(options));
    rig.startWrite(rig.panelImage);
    QVERIFY(rig.waitForEnd(TransferMs));
    // A transfer that gives up leaves the link mode; wait for its last box too.
    QVERIFY(waitUntil([&] { return rig.dialogs.shown().size() == messages.size(); }, TransferMs));

    QCOMPARE(rig.dialogs.texts(), messages);
    QCOMPARE(rig.panelReceived() == rig.panelImage, complete);
    QVERIFY(!rig.host.enabled(Item::ItemWr));
}

void RemoteLoopbackTest::writeAfterARepeatedAnnouncement()
{
    LoopbackRig rig(Fast);
    int repeated = 0;
    QObject::connect(&rig.socket, &DatagramSocket::received, [&](const QByteArray& datagram) {
        if (datagram == Frames::Announcement && rig.vars.PanelLinked)
            ++repeated;
    });
    QVERIFY(rig.connectPanel({"--reannounce"}));
    QVERIFY(waitUntil([&] { return repeated > 0; }, TransferMs));
    QCOMPARE(rig.host.status(), Connected);

    const QByteArray sent = rig.panelImage.toHex().right(ConfigImage::Size);
    rig.startWrite(sent);
    QVERIFY2(rig.waitForEnd(TransferMs), qPrintable(rig.panelOutput()));

    QCOMPARE(rig.dialogs.texts(), QStringList{WriteDone});
    QCOMPARE(rig.panelReceived(), sent);
}

void RemoteLoopbackTest::armedPanelRefuses()
{
    LoopbackRig rig(Fast);
    // After the refusal the user gives up the wait on the clock.
    rig.dialogs.onMessage([&](const Dialogs::Message& message) {
        if (message.buttons == Dialogs::Buttons::Ok)
            rig.link.JvClock1DblClick();
    });
    rig.dialogs.answer(Dialogs::Answer::Yes);
    rig.announce({"--armed"});

    QCOMPARE(rig.dialogs.texts(), (QStringList{QStringLiteral("ППК под охраной. Конфигурирование запрещено"),
                                               QStringLiteral("Прервать ожидание соединения с удаленным ППК?")}));
    QCOMPARE(rig.host.status(), QStringLiteral("Нет связи с удаленным ППК. Автономный режим."));
    QVERIFY(!rig.vars.PanelLinked);
    QVERIFY(!rig.link.isListening());
}

void RemoteLoopbackTest::unansweredConnectFrame()
{
    LoopbackRig rig(50);
    rig.announce({"--no-ready"});
    QCOMPARE(rig.host.status(), Connected);
    QVERIFY(waitUntil([&] { return !rig.dialogs.shown().isEmpty(); }, TransferMs));
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("E9: ППК не отвечает!")});
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим"));
    QVERIFY(!rig.host.whoLit);
}

QTEST_GUILESS_MAIN(RemoteLoopbackTest)
#include "tst_RemoteLoopback.moc"
