#include "ConfigImage.h"
#include "Crc16.h"
#include "FakeDatagramSocket.h"
#include "Frames.h"
#include "LinkVars.h"
#include "RecordingLinkHost.h"
#include "RemoteLink.h"
#include "ScriptedDialogs.h"
#include "TransferStart.h"
#include "VirtualClock.h"

#include <QRandomGenerator>
#include <QTest>

#include <memory>
#include <vector>

using namespace std::chrono_literals;
using Item = LinkHost::Item;

namespace {

const QHostAddress PanelAddress(QStringLiteral("192.168.1.30"));
constexpr quint16 PanelPort = 5000;
constexpr quint16 IntruderPort = 5001;

QByteArray byte(std::uint8_t value) { return QByteArray(1, static_cast<char>(value)); }
const QByteArray AckBytes = byte(Frames::Ack);
const QByteArray NakBytes = byte(Frames::Nak);
const QByteArray ReadyBytes = byte(Frames::Ready);
const QByteArray RemoteConnect = QByteArray::fromHex("53010100E6EA");
const QByteArray Relink = QByteArray::fromHex("53010101C7FA");
const QByteArray ReadRequestBytes = QByteArray::fromHex("52CB24007784");
const QByteArray WriteRequestBytes = QByteArray::fromHex("57CB24003238");

QByteArray randomImage()
{
    QByteArray bytes(ConfigImage::Size, '\0');
    QRandomGenerator generator(22);
    for (char& b : bytes)
        b = static_cast<char>(generator.bounded(256));
    return bytes;
}

QByteArray goodBlock(const QByteArray& image, int number)
{
    const Frames::BlockSpan span = Frames::cutImage().at(number - 1);
    return Frames::toBytes(Frames::panelBlock(Frames::OpRead, number, image.mid(span.position - 1, span.count)));
}

QByteArray damaged(QByteArray block)
{
    block[10] = static_cast<char>(block[10] ^ 0x5A);
    return block;
}

} // namespace

// Everything a remote connection needs, in virtual time, and a panel at the far
// end whose answers each test shapes.
class Rig {
public:
    Rig()
    {
        socket.onSend([this](const FakeDatagramSocket::Sent& sent) {
            lastSentAt = clock.now();
            panelHears(sent.data);
        });
    }

    VirtualClock clock;
    RecordingLinkHost host{clock};
    ScriptedDialogs dialogs;
    ConfigImage image;
    LinkVars vars;
    FakeDatagramSocket socket;
    int serialClosed = 0;
    RemoteLink link{vars, host, dialogs, clock, image, socket, [this] { ++serialClosed; }};

    // The panel's behaviour.
    QByteArray panelImage = randomImage();
    QByteArray panelReceived;
    bool answersConnect = true;
    bool answersRequests = true;
    bool answersRelink = true;
    bool naksBlocks = false;
    // The datagrams the panel sends when block n is due (default: the good block).
    std::function<QList<QByteArray>(int)> blocksFor = [this](int n) { return QList<QByteArray>{goodBlock(panelImage, n)}; };
    // The block the panel sends again on a NAK during a read.
    std::function<int(int)> onNak = [](int last) { return last; };
    int lastSent = 0;
    Ticks::Duration lastSentAt{};

    void after(Ticks::Duration delay, std::function<void()> action)
    {
        m_scheduled.push_back(clock.createTimer(TickClock::Mode::SingleShot, std::move(action)));
        m_scheduled.back()->start(delay);
    }

    void fromPanel(const QByteArray& data, Ticks::Duration delay = Ticks::ticks(1))
    {
        after(delay, [this, data] { socket.deliver(data, PanelAddress, PanelPort); });
    }

    void announceAndLink()
    {
        fromPanel(Frames::Announcement, 3s);
        link.N2Click();
        clock.advance(Ticks::ticks(2));
        QVERIFY(vars.PanelLinked);
        dialogs.forget();
        socket.sent.clear();
        host.delays.clear();
    }

    void startRead()
    {
        readCommonPart(vars, host, image);
        QVERIFY(link.readBranch());
    }

    void startWrite(const QByteArray& bytes)
    {
        image.assign(bytes);
        writeCommonPart(vars, host);
        QVERIFY(link.writeBranch());
    }

    // Moves virtual time on until the transfer is over or the time runs out.
    void runFor(Ticks::Duration limit)
    {
        const Ticks::Duration end = clock.now() + limit;
        while (clock.now() < end && clock.fireNext()) {
        }
    }

    QList<QByteArray> sentData() const
    {
        QList<QByteArray> data;
        for (const auto& sent : socket.sent)
            data.append(sent.data);
        return data;
    }

    int sentCount(const QByteArray& data) const { return int(sentData().count(data)); }

private:
    void sendBlock(int number)
    {
        lastSent = number;
        for (const QByteArray& datagram : blocksFor(number))
            fromPanel(datagram);
    }

    void panelHears(const QByteArray& data)
    {
        if (data == RemoteConnect) {
            if (answersConnect)
                fromPanel(ReadyBytes);
        } else if (data == ReadRequestBytes) {
            if (answersRequests) {
                fromPanel(AckBytes);
                after(Ticks::ticks(2), [this] { sendBlock(1); });
            }
        } else if (data == AckBytes) {
            if (lastSent > 0 && lastSent < Frames::BlockCount)
                sendBlock(lastSent + 1);
        } else if (data == NakBytes) {
            if (lastSent > 0)
                sendBlock(onNak(lastSent));
        } else if (data == WriteRequestBytes) {
            if (answersRequests)
                fromPanel(AckBytes);
        } else if (data.size() == Frames::BlockSize && data[0] == char(Frames::OpWrite)) {
            if (naksBlocks) {
                fromPanel(NakBytes);
                return;
            }
            const int count = static_cast<std::uint8_t>(data[3]);
            panelReceived.append(data.mid(4, count));
            fromPanel(AckBytes);
        } else if (data == Relink) {
            if (answersRelink)
                fromPanel(ReadyBytes);
        }
    }

    std::vector<std::unique_ptr<TickTimer>> m_scheduled;
};

class RemoteLinkTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void waitCountsDownThenGivesUp();
    void clockDoubleClickEndsTheWait_data();
    void clockDoubleClickEndsTheWait();
    void emptyPortTextIsRefused();
    void busyPortEndsTheWait();
    void announcementLinksThePanel();
    void unansweredConnectFrameGivesUp();
    void read_data();
    void read();
    void blockOutOfSequenceEndsTheRead();
    void newWaitAfterAFailedTransfer_data();
    void newWaitAfterAFailedTransfer();
    void missingBlockThatNeverComesEndsTheRead();
    void closingEndsTheWait();
    void closingSilencesTheTimers_data();
    void closingSilencesTheTimers();
    void failedSerialAttemptDoesNotDeafenTheWait();
    void announcementInTheLastStepIsTaken();
    void announcementOutsideTheWaitChangesNothing_data();
    void announcementOutsideTheWaitChangesNothing();
    void writeGoesThroughAfterARepeatedAnnouncement();
    void beforeTheAnnouncementOnlyTheTextsAreHeard();
    void overdueBlocksAreAskedForThenGivenUp_data();
    void overdueBlocksAreAskedForThenGivenUp();
    void unacknowledgedUnitsAreResentThenGivenUp_data();
    void unacknowledgedUnitsAreResentThenGivenUp();
    void naksSpendTheSameAttempts();
    void lostResendAfterNakIsGuarded();
    void damagedBlocksUseUpTheAttempts();
    void blockThatWouldOverrunTheImageIsRejected_data();
    void blockThatWouldOverrunTheImageIsRejected();
    void write_data();
    void write();
    void onlyTheAnnouncedPanelIsHeard();
    void datagramLengths_data();
    void datagramLengths();
    void ignoredWhileRxIgnore();
    void nakWhileNotLinkedIsIgnored();
    void faultByteIsReported();
    void armedPanelRefuses();
    void armedPanelEndsAReadBeforeItsBox();
    void armedPanelEndsTheWait();
    void newWaitGivesUpTheLinkedPanel();
    void panelHeardOnlyForItsTextsUntilTheWaitIsOver();
    void writeGivenUpLeavesNoTimer();
    void finishedReadEndsTheConnectionBeforeItsBox();
    void armedTextAfterTheAnnouncementEndsTheWait();
};

void RemoteLinkTest::waitCountsDownThenGivesUp()
{
    Rig rig;
    rig.link.N2Click();

    QCOMPARE(rig.serialClosed, 1);
    QVERIFY(rig.socket.isListening());
    QCOMPARE(rig.socket.port(), quint16(34463));
    QStringList expected{QString()};
    for (int step = 120; step >= 1; --step)
        expected.append(QStringLiteral("Ожидание запроса... %1").arg(step));
    expected.append(QStringLiteral("Нет связи с удаленным ППК. Автономный режим."));
    QCOMPARE(rig.host.statuses, expected);
    QCOMPARE(rig.clock.now(), Ticks::ticks(120 * 20));
    QVERIFY(rig.host.enabled(Item::ItemLink));
    QVERIFY(rig.host.enabled(Item::ItemLoad));
    QVERIFY(!rig.host.enabled(Item::ItemRead));
    QVERIFY(!rig.host.enabled(Item::ItemWr));
    QVERIFY(!rig.host.wrBtnVisible);
    QCOMPARE(rig.vars.LinkMode, LinkModes::None);
    QVERIFY(rig.socket.isListening());
    QVERIFY(rig.socket.sent.isEmpty());
}

void RemoteLinkTest::clockDoubleClickEndsTheWait_data()
{
    QTest::addColumn<bool>("abort");
    QTest::newRow("Yes ends the wait at the next step") << true;
    QTest::newRow("No lets the wait time out") << false;
}

void RemoteLinkTest::clockDoubleClickEndsTheWait()
{
    QFETCH(bool, abort);
    Rig rig;
    rig.host.whoLit = true;
    rig.dialogs.answer(abort ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    rig.after(10s, [&] { rig.link.JvClock1DblClick(); });
    // An announcement after the double click finds nobody listening.
    rig.fromPanel(Frames::Announcement, 20s);
    rig.link.N2Click();

    QCOMPARE(rig.dialogs.shown().size(), 1);
    QCOMPARE(rig.dialogs.last().text, QStringLiteral("Прервать ожидание соединения с удаленным ППК?"));
    QCOMPARE(rig.dialogs.last().caption, QString());
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Question);
    QCOMPARE(rig.dialogs.last().buttons, Dialogs::Buttons::YesNo);
    QVERIFY(!rig.host.whoLit);
    QVERIFY(!rig.socket.isListening());
    QCOMPARE(rig.host.status(), QStringLiteral("Нет связи с удаленным ППК. Автономный режим."));
    // The double click falls into the tenth step (10 s = 9.09 steps of 1.1 s).
    QCOMPARE(rig.clock.now(), Ticks::ticks((abort ? 10 : 120) * 20));
}

void RemoteLinkTest::emptyPortTextIsRefused()
{
    Rig rig;
    rig.host.confPort.clear();
    rig.link.N2Click();

    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Не определен порт РС - конфигуратора!")});
    QCOMPARE(rig.dialogs.last().caption, QStringLiteral("Удаленное конфигурирование"));
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Warning);
    QCOMPARE(rig.host.confPortFocused, 1);
    QVERIFY(!rig.socket.isListening());
    QVERIFY(rig.host.enabled(Item::ItemLink));
    QVERIFY(rig.host.enabled(Item::ItemSave));
    QVERIFY(!rig.host.enabled(Item::ItemRead));
    QCOMPARE(rig.clock.now(), 0ms);
}

void RemoteLinkTest::busyPortEndsTheWait()
{
    Rig rig;
    rig.socket.refuseListening = true;
    rig.link.N2Click();

    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Порт РС - конфигуратора 34463 недоступен!")});
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Stop);
    QCOMPARE(rig.host.status(), QStringLiteral("Нет связи с удаленным ППК. Автономный режим."));
    QVERIFY(rig.host.enabled(Item::ItemLink));
    QCOMPARE(rig.clock.now(), 0ms);
}

void RemoteLinkTest::announcementLinksThePanel()
{
    Rig rig;
    rig.answersConnect = false;
    rig.fromPanel(Frames::Announcement, 3s);
    rig.link.N2Click();

    QCOMPARE(rig.host.status(), QStringLiteral("Удаленный ППК IP: 192.168.1.30 подключен"));
    QVERIFY(rig.host.whoLit);
    QCOMPARE(rig.socket.sent.size(), 1);
    QCOMPARE(rig.socket.sent[0].data.toHex(' '), RemoteConnect.toHex(' '));
    QCOMPARE(rig.socket.sent[0].address, PanelAddress);
    QCOMPARE(rig.socket.sent[0].port, PanelPort);
    QCOMPARE(rig.vars.LinkStage, LinkStages::RemoteAnnounced);
    QCOMPARE(rig.vars.LinkMode, LinkModes::Remote);
    QVERIFY(rig.link.isTimerUDPActive());
    QVERIFY(!rig.host.enabled(Item::ItemLink));

    rig.socket.deliver(ReadyBytes, PanelAddress, PanelPort);
    QVERIFY(rig.vars.PanelLinked);
    QCOMPARE(rig.vars.LinkStage, LinkStages::RemoteLinked);
    QVERIFY(rig.host.allEnabled());
    QVERIFY(rig.host.wrBtnVisible);
    QVERIFY(rig.host.gaugeVisible);
    QVERIFY(!rig.link.isTimerUDPActive());
    QCOMPARE(rig.host.status(), QStringLiteral("Удаленный ППК IP: 192.168.1.30 подключен"));
}

void RemoteLinkTest::unansweredConnectFrameGivesUp()
{
    Rig rig;
    rig.answersConnect = false;
    rig.fromPanel(Frames::Announcement, 3s);
    rig.link.N2Click();
    const Ticks::Duration firstFrame = rig.clock.now();
    Ticks::Duration givenUp{};
    rig.dialogs.onMessage([&](const Dialogs::Message&) { givenUp = rig.clock.now(); });
    rig.clock.advance(100s);

    QCOMPARE(rig.sentCount(RemoteConnect), 1 + 37);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("E9: ППК не отвечает!")});
    QCOMPARE(rig.dialogs.last().caption, QStringLiteral("Конфигурирование"));
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Stop);
    QCOMPARE(givenUp - firstFrame, 76s);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим"));
    QVERIFY(!rig.host.whoLit);
    QVERIFY(!rig.host.enabled(Item::ItemRead));
    QVERIFY(rig.host.enabled(Item::ItemLink));
    QCOMPARE(rig.clock.activeTimers(), 0);
}

void RemoteLinkTest::read_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("acks");
    QTest::newRow("clean") << "" << 74;
    QTest::newRow("block 5 repeated") << "repeat" << 75;
    QTest::newRow("block 72 repeated") << "repeat72" << 75;
    QTest::newRow("block 9 damaged once") << "damage" << 74;
    QTest::newRow("block 12 lost after a repeat") << "skip" << 75;
}

void RemoteLinkTest::read()
{
    QFETCH(QString, fault);
    QFETCH(int, acks);
    Rig rig;
    rig.announceAndLink();
    bool damagedOnce = false;
    bool lostOnce = false;
    if (fault.startsWith(QLatin1String("repeat"))) {
        const int repeated = fault == QLatin1String("repeat") ? 5 : 72;
        rig.blocksFor = [&, repeated](int n) {
            const QByteArray block = goodBlock(rig.panelImage, n);
            return n == repeated ? QList<QByteArray>{block, block} : QList<QByteArray>{block};
        };
    } else if (fault == QLatin1String("damage")) {
        rig.blocksFor = [&](int n) {
            const QByteArray block = goodBlock(rig.panelImage, n);
            if (n == 9 && !std::exchange(damagedOnce, true))
                return QList<QByteArray>{damaged(block)};
            return QList<QByteArray>{block};
        };
    } else if (fault == QLatin1String("skip")) {
        // Block 11 comes twice; the second ACK moves the panel past block 12,
        // which is lost; asked again, this panel goes back to it.
        rig.blocksFor = [&](int n) {
            const QByteArray block = goodBlock(rig.panelImage, n);
            if (n == 11)
                return QList<QByteArray>{block, block};
            if (n == 12 && !std::exchange(lostOnce, true))
                return QList<QByteArray>{};
            return QList<QByteArray>{block};
        };
        rig.onNak = [](int last) { return last == 13 ? 12 : last; };
    }
    rig.host.account = QStringLiteral("4711");
    rig.startRead();
    QCOMPARE(rig.socket.sent.first().data.toHex(' '), ReadRequestBytes.toHex(' '));
    rig.runFor(60s);

    QCOMPARE(rig.image.bytes(), rig.panelImage);
    QCOMPARE(rig.host.restored, 1);
    // The panel that was read, not the account the pages showed before.
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Чтение конфигурации ППК завершено успешно.")});
    QCOMPARE(rig.dialogs.last().caption, QStringLiteral("Конфигурирование"));
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Information);
    // The panel is named though its connection is over.
    QCOMPARE(rig.host.transfersDone, QStringList{QStringLiteral("read 192.168.1.30:5000")});
    QCOMPARE(rig.sentCount(AckBytes), acks);
    for (int ticks : rig.host.delays)
        QCOMPARE(ticks, 2);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
    QVERIFY(!rig.host.whoLit);
    QVERIFY(!rig.host.gaugeVisible);
    QVERIFY(rig.host.gauges.contains(100));
    QCOMPARE(rig.host.gauge(), 0);
    QVERIFY(!rig.host.enabled(Item::ItemRead));
    QVERIFY(rig.host.enabled(Item::ItemLink));
    QCOMPARE(rig.vars.TransferOp, TransferOps::None);
    QCOMPARE(rig.vars.LinkMode, LinkModes::None);
    QVERIFY(!rig.vars.PanelLinked);
    QCOMPARE(rig.clock.activeTimers(), 0);
}

void RemoteLinkTest::blockOutOfSequenceEndsTheRead()
{
    Rig rig;
    rig.announceAndLink();
    rig.blocksFor = [&](int n) { return QList<QByteArray>{goodBlock(rig.panelImage, n == 5 ? 7 : n)}; };
    rig.startRead();
    rig.runFor(60s);

    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Нарушена последовательность блоков. Ждали 5, получили 7")});
    QCOMPARE(rig.dialogs.last().caption, QStringLiteral("Удаленное конфигурирование"));
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Stop);
    // The program is not asked to close: the connection alone is over.
    QVERIFY(!rig.host.closing);
    QVERIFY(!rig.host.whoLit);
    QVERIFY(!rig.host.enabled(Item::ItemRead));
    QVERIFY(rig.host.enabled(Item::ItemLink));
    QVERIFY(!rig.host.wrBtnVisible);
    QCOMPARE(rig.host.restored, 0);
    QVERIFY(rig.host.transfersDone.isEmpty());
    QCOMPARE(rig.clock.activeTimers(), 0);
    // Four blocks stored, nothing after them.
    QCOMPARE(rig.image.bytes().left(512), rig.panelImage.left(512));
    QCOMPARE(rig.image.bytes().mid(512), QByteArray(ConfigImage::Size - 512, '\0'));

    // What the panel of the ended read still sends is ignored and answered with nothing.
    const auto sentBefore = rig.socket.sent.size();
    rig.socket.deliver(goodBlock(rig.panelImage, 5), PanelAddress, PanelPort);
    rig.socket.deliver(damaged(goodBlock(rig.panelImage, 5)), PanelAddress, PanelPort);
    QCOMPARE(rig.socket.sent.size(), sentBefore);
    QCOMPARE(rig.socket.sent.last().data, NakBytes);
    QCOMPARE(rig.vars.TransferOp, TransferOps::None);
    QCOMPARE(rig.image.bytes().mid(512), QByteArray(ConfigImage::Size - 512, '\0'));
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
}

void RemoteLinkTest::newWaitAfterAFailedTransfer_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("box");
    QTest::newRow("block out of sequence") << "sequence" << "Нарушена последовательность блоков. Ждали 5, получили 7";
    QTest::newRow("block overdue") << "overdue" << "Время ожидания блока от ППК истекло!";
    QTest::newRow("damaged blocks") << "damaged" << "Нет ответа на отрицательную квитанцию!";
    QTest::newRow("write request unanswered") << "unanswered" << "Время ожидания подтверждения приема блока истекло!";
}

// However a transfer failed, the next "Удаленная" waits for the panel and
// serves it as the first one did.
void RemoteLinkTest::newWaitAfterAFailedTransfer()
{
    QFETCH(QString, failure);
    QFETCH(QString, box);
    Rig rig;
    rig.announceAndLink();
    rig.blocksFor = [&](int n) {
        const QByteArray block = goodBlock(rig.panelImage, n);
        if (n == 5 && failure == QLatin1String("sequence"))
            return QList<QByteArray>{goodBlock(rig.panelImage, 7)};
        if (n >= 5 && failure == QLatin1String("overdue"))
            return QList<QByteArray>{};
        if (n == 5 && failure == QLatin1String("damaged"))
            return QList<QByteArray>{damaged(block)};
        return QList<QByteArray>{block};
    };
    if (failure == QLatin1String("unanswered")) {
        rig.answersRequests = false;
        rig.startWrite(randomImage());
    } else {
        rig.startRead();
    }
    rig.runFor(300s);
    QCOMPARE(rig.dialogs.texts().constLast(), box);

    rig.blocksFor = [&](int n) { return QList<QByteArray>{goodBlock(rig.panelImage, n)}; };
    rig.answersRequests = true;
    rig.dialogs.forget();
    rig.socket.sent.clear();
    const Ticks::Duration waitFrom = rig.clock.now();
    rig.fromPanel(Frames::Announcement, 3s);
    rig.link.N2Click();
    QCOMPARE(rig.clock.now() - waitFrom, Ticks::ticks(3 * 20)); // the wait's third step heard it
    QCOMPARE(rig.host.status(), QStringLiteral("Удаленный ППК IP: 192.168.1.30 подключен"));
    QCOMPARE(rig.sentData().value(0), RemoteConnect);
    rig.clock.advance(Ticks::ticks(2));
    QVERIFY(rig.vars.PanelLinked);
    QVERIFY(rig.host.allEnabled());

    rig.startRead();
    rig.runFor(60s);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Чтение конфигурации ППК завершено успешно.")});
    QCOMPARE(rig.image.bytes(), rig.panelImage);
}

void RemoteLinkTest::missingBlockThatNeverComesEndsTheRead()
{
    Rig rig;
    rig.announceAndLink();
    // Block 11 comes twice, block 12 is lost for good, and the panel answers
    // every NAK with block 13 again.
    rig.blocksFor = [&](int n) {
        const QByteArray block = goodBlock(rig.panelImage, n);
        if (n == 11)
            return QList<QByteArray>{block, block};
        if (n == 12)
            return QList<QByteArray>{};
        return QList<QByteArray>{block};
    };
    rig.startRead();
    rig.runFor(60s);

    QCOMPARE(rig.sentCount(NakBytes), 5 + 1);
    QCOMPARE(rig.dialogs.texts(),
             QStringList{QStringLiteral("Нарушена последовательность блоков. Ждали 12, получили 13")});
    QVERIFY(!rig.host.closing);
    // Block 13 never took the place of block 12.
    QCOMPARE(rig.vars.ImagePos, 11 * 128 + 1);
    QCOMPARE(rig.image.bytes().mid(11 * 128), QByteArray(ConfigImage::Size - 11 * 128, '\0'));
}

void RemoteLinkTest::closingEndsTheWait()
{
    Rig rig;
    rig.after(5s, [&] { rig.host.setClosingFlag(); });
    rig.link.N2Click();

    QCOMPARE(rig.clock.now(), 5s);
    QCOMPARE(rig.host.status(), QStringLiteral("Нет связи с удаленным ППК. Автономный режим."));
    QVERIFY(rig.host.enabled(Item::ItemLink));
    rig.link.stopListening();
    QVERIFY(!rig.socket.isListening());
}

void RemoteLinkTest::closingSilencesTheTimers_data()
{
    QTest::addColumn<QString>("phase");
    QTest::newRow("connect frame unanswered") << "connect";
    QTest::newRow("read request unanswered") << "read";
    QTest::newRow("block overdue") << "block";
}

void RemoteLinkTest::closingSilencesTheTimers()
{
    QFETCH(QString, phase);
    Rig rig;
    if (phase == QLatin1String("connect")) {
        rig.answersConnect = false;
        rig.fromPanel(Frames::Announcement, 3s);
        rig.link.N2Click();
    } else {
        rig.announceAndLink();
        rig.answersRequests = phase != QLatin1String("read");
        rig.blocksFor = [](int) { return QList<QByteArray>{}; };
        rig.startRead();
        rig.clock.advance(Ticks::ticks(5));
    }
    rig.host.setClosingFlag();
    const auto sentBefore = rig.socket.sent.size();
    rig.clock.advance(200s);

    QCOMPARE(rig.socket.sent.size(), sentBefore);
    QVERIFY(rig.dialogs.shown().isEmpty());
}

void RemoteLinkTest::failedSerialAttemptDoesNotDeafenTheWait()
{
    Rig rig;
    rig.vars.RxIgnore = true; // left by a serial port that could not be opened
    rig.fromPanel(Frames::Announcement, 3s);
    rig.link.N2Click();
    QCOMPARE(rig.host.status(), QStringLiteral("Удаленный ППК IP: 192.168.1.30 подключен"));
    rig.clock.advance(Ticks::ticks(2));
    QVERIFY(rig.vars.PanelLinked);
}

void RemoteLinkTest::announcementInTheLastStepIsTaken()
{
    Rig rig;
    rig.fromPanel(Frames::Announcement, Ticks::ticks(119 * 20 + 10));
    rig.link.N2Click();
    rig.clock.advance(Ticks::ticks(2));

    QVERIFY(rig.vars.PanelLinked);
    QCOMPARE(rig.host.status(), QStringLiteral("Удаленный ППК IP: 192.168.1.30 подключен"));
    QVERIFY(rig.host.whoLit);
}

void RemoteLinkTest::announcementOutsideTheWaitChangesNothing_data()
{
    QTest::addColumn<QString>("phase");
    QTest::newRow("announced, no ready byte yet") << "announced";
    QTest::newRow("linked") << "linked";
    QTest::newRow("reading") << "reading";
    QTest::newRow("after a finished read") << "read";
}

void RemoteLinkTest::announcementOutsideTheWaitChangesNothing()
{
    QFETCH(QString, phase);
    Rig rig;
    if (phase == QLatin1String("announced")) {
        rig.answersConnect = false;
        rig.fromPanel(Frames::Announcement, 3s);
        rig.link.N2Click();
    } else {
        rig.announceAndLink();
    }
    if (phase == QLatin1String("reading")) {
        rig.startRead();
        rig.runFor(Ticks::ticks(10));
    } else if (phase == QLatin1String("read")) {
        rig.startRead();
        rig.runFor(60s);
        QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
    }
    rig.socket.onSend({});
    rig.socket.sent.clear();
    const QStringList statuses = rig.host.statuses;
    const bool lit = rig.host.whoLit;
    const int stage = rig.vars.LinkStage;
    const int mode = rig.vars.LinkMode;
    const bool connecting = rig.link.isTimerUDPActive();

    // A copy of the first announcement, or the panel announcing itself again.
    rig.socket.deliver(Frames::Announcement, PanelAddress, PanelPort);
    QCOMPARE(rig.vars.LinkStage, stage);
    QCOMPARE(rig.vars.LinkMode, mode);
    QCOMPARE(rig.host.statuses, statuses);
    QCOMPARE(rig.host.whoLit, lit);
    QCOMPARE(rig.link.isTimerUDPActive(), connecting);
    QVERIFY(rig.socket.sent.isEmpty());
}

void RemoteLinkTest::writeGoesThroughAfterARepeatedAnnouncement()
{
    Rig rig;
    rig.announceAndLink();
    rig.socket.deliver(Frames::Announcement, PanelAddress, PanelPort);
    const QByteArray image = randomImage();
    rig.startWrite(image);
    rig.runFor(60s);

    QCOMPARE(rig.panelReceived, image);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Запись конфигурации ППК EC22 завершена успешно.")});
}

void RemoteLinkTest::beforeTheAnnouncementOnlyTheTextsAreHeard()
{
    Rig rig;
    rig.after(2s, [&] {
        rig.socket.deliver(ReadyBytes, PanelAddress, PanelPort);
        rig.socket.deliver(QByteArray(134, 'R'), PanelAddress, PanelPort);
        rig.socket.deliver(AckBytes, PanelAddress, PanelPort);
    });
    rig.fromPanel(Frames::Announcement, 5s);
    rig.answersConnect = false;
    rig.link.N2Click();

    QVERIFY(!rig.vars.PanelLinked);
    QCOMPARE(rig.sentData(), QList<QByteArray>{RemoteConnect});
    QVERIFY(rig.dialogs.shown().isEmpty());
    QCOMPARE(rig.vars.LinkStage, LinkStages::RemoteAnnounced);
}

void RemoteLinkTest::overdueBlocksAreAskedForThenGivenUp_data()
{
    QTest::addColumn<int>("silentFrom");
    QTest::addColumn<int>("askedAgain");
    QTest::newRow("no block after the request's ACK") << 1 << 7;
    QTest::newRow("no block after block 3") << 4 << 5;
}

void RemoteLinkTest::overdueBlocksAreAskedForThenGivenUp()
{
    QFETCH(int, silentFrom);
    QFETCH(int, askedAgain);
    Rig rig;
    rig.announceAndLink();
    rig.blocksFor = [&](int n) {
        return n >= silentFrom ? QList<QByteArray>{} : QList<QByteArray>{goodBlock(rig.panelImage, n)};
    };
    rig.startRead();
    Ticks::Duration givenUp{};
    rig.dialogs.onMessage([&](const Dialogs::Message&) { givenUp = rig.clock.now(); });
    rig.runFor(200s);

    QCOMPARE(rig.sentCount(AckBytes), (silentFrom - 1) + askedAgain);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Время ожидания блока от ППК истекло!")});
    QCOMPARE(rig.dialogs.last().caption, QStringLiteral("Конфигурование. Чтение"));
    QCOMPARE(givenUp - rig.lastSentAt, 10s);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
    QVERIFY(!rig.host.whoLit);
    QVERIFY(!rig.host.gaugeVisible);
    QCOMPARE(rig.vars.TransferOp, TransferOps::None);
    QCOMPARE(rig.host.restored, 0);
    QCOMPARE(rig.clock.activeTimers(), 0);
}

void RemoteLinkTest::unacknowledgedUnitsAreResentThenGivenUp_data()
{
    QTest::addColumn<QString>("transfer");
    QTest::addColumn<QByteArray>("resent");
    QTest::newRow("read request") << "read" << ReadRequestBytes;
    QTest::newRow("write request") << "write" << WriteRequestBytes;
    QTest::newRow("first block") << "block" << QByteArray();
}

void RemoteLinkTest::unacknowledgedUnitsAreResentThenGivenUp()
{
    QFETCH(QString, transfer);
    QFETCH(QByteArray, resent);
    Rig rig;
    rig.announceAndLink();
    if (transfer == QLatin1String("read")) {
        rig.answersRequests = false;
        rig.startRead();
    } else if (transfer == QLatin1String("write")) {
        rig.answersRequests = false;
        rig.startWrite(randomImage());
    } else {
        rig.startWrite(randomImage());
        rig.clock.advance(Ticks::ticks(1));
        rig.answersRequests = false;
        rig.socket.onSend({});
        rig.clock.advance(Ticks::ticks(2));
        resent = rig.socket.sent.last().data;
        QCOMPARE(resent.size(), Frames::BlockSize);
    }
    Ticks::Duration givenUp{};
    rig.dialogs.onMessage([&](const Dialogs::Message&) { givenUp = rig.clock.now(); });
    const Ticks::Duration firstSent = rig.clock.now();
    rig.runFor(200s);

    QCOMPARE(rig.sentCount(resent), 1 + 7);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Время ожидания подтверждения приема блока истекло!")});
    QCOMPARE(rig.dialogs.last().caption, QStringLiteral("Конфигурирование. Запись"));
    QCOMPARE(givenUp - firstSent, 80s);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
    QVERIFY(!rig.host.enabled(Item::ItemWr));
    QVERIFY(rig.host.enabled(Item::ItemLink));
    QVERIFY(!rig.host.wrBtnVisible);
    QVERIFY(!rig.host.gaugeVisible);
    QCOMPARE(rig.vars.TransferOp, TransferOps::None);
    QCOMPARE(rig.clock.activeTimers(), 0);
}

void RemoteLinkTest::naksSpendTheSameAttempts()
{
    Rig rig;
    rig.announceAndLink();
    rig.naksBlocks = true;
    rig.startWrite(randomImage());
    rig.runFor(200s);

    const QList<QByteArray> blocks = [&] {
        QList<QByteArray> result;
        for (const QByteArray& data : rig.sentData())
            if (data.size() == Frames::BlockSize)
                result.append(data);
        return result;
    }();
    QCOMPARE(blocks.size(), 1 + 7);
    QCOMPARE(blocks.count(blocks.first()), 8);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Время ожидания подтверждения приема блока истекло!")});
    QCOMPARE(rig.clock.activeTimers(), 0);
}

void RemoteLinkTest::lostResendAfterNakIsGuarded()
{
    Rig rig;
    rig.announceAndLink();
    rig.startWrite(randomImage());
    rig.clock.advance(Ticks::ticks(1));
    // The panel NAKs block 1 and then goes quiet: the re-sent block is lost.
    rig.naksBlocks = true;
    rig.clock.advance(Ticks::ticks(3));
    rig.naksBlocks = false;
    rig.answersRequests = false;
    rig.socket.onSend({});
    rig.clock.advance(Ticks::ticks(4));
    const QByteArray block1 = rig.sentData().last();
    QCOMPARE(rig.sentCount(block1), 2);
    QVERIFY(rig.link.isTimerWaitAckActive());
    rig.clock.advance(10s);
    QCOMPARE(rig.sentCount(block1), 3);
}

void RemoteLinkTest::damagedBlocksUseUpTheAttempts()
{
    Rig rig;
    rig.announceAndLink();
    rig.blocksFor = [&](int n) {
        const QByteArray block = goodBlock(rig.panelImage, n);
        return n == 2 ? QList<QByteArray>{damaged(block)} : QList<QByteArray>{block};
    };
    rig.startRead();
    rig.runFor(200s);

    // After block 1 five attempts remain: five NAKs are answered, the sixth ends the read.
    QCOMPARE(rig.sentCount(NakBytes), 6);
    QCOMPARE(rig.dialogs.texts(), (QStringList{QStringLiteral("Ошибка чтения конфигурации"),
                                               QStringLiteral("Нет ответа на отрицательную квитанцию!")}));
    QCOMPARE(rig.dialogs.shown()[0].caption, QStringLiteral("Конфигурирование. Чтение"));
    QCOMPARE(rig.dialogs.shown()[1].caption, QStringLiteral("Конфигурирование"));
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
    QVERIFY(!rig.vars.PanelLinked);
    QCOMPARE(rig.vars.LinkMode, LinkModes::None);
    QVERIFY(!rig.host.whoLit);
    QCOMPARE(rig.image.bytes().mid(128), QByteArray(ConfigImage::Size - 128, '\0'));
    QCOMPARE(rig.clock.activeTimers(), 0);
}

void RemoteLinkTest::blockThatWouldOverrunTheImageIsRejected_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("count 0") << 0;
    QTest::newRow("count 129") << 129;
    QTest::newRow("count 255") << 255;
}

void RemoteLinkTest::blockThatWouldOverrunTheImageIsRejected()
{
    QFETCH(int, count);
    Rig rig;
    rig.announceAndLink();
    rig.answersRequests = false;
    rig.startRead();
    rig.socket.deliver(AckBytes, PanelAddress, PanelPort);
    Frames::Block block = Frames::panelBlock(Frames::OpRead, 1, QByteArray(128, '\x77'));
    block[Frames::BlockCountOffset] = static_cast<std::uint8_t>(count);
    const std::uint16_t crc = Crc16(QByteArrayView(reinterpret_cast<const char*>(block.data()), Frames::BlockCrcOffset));
    block[Frames::BlockCrcOffset] = static_cast<std::uint8_t>(crc >> 8);
    block[Frames::BlockCrcOffset + 1] = static_cast<std::uint8_t>(crc & 0xFF);
    rig.socket.deliver(Frames::toBytes(block), PanelAddress, PanelPort);

    QCOMPARE(rig.sentData().last(), NakBytes);
    QCOMPARE(rig.vars.ImagePos, 1);
    QCOMPARE(rig.image.bytes(), QByteArray(ConfigImage::Size, '\0'));
}

void RemoteLinkTest::write_data()
{
    QTest::addColumn<bool>("answersRelink");
    QTest::addColumn<int>("relinkFrames");
    QTest::newRow("panel answers the connect frame") << true << 1;
    QTest::newRow("panel silent after the write") << false << 2;
}

void RemoteLinkTest::write()
{
    QFETCH(bool, answersRelink);
    QFETCH(int, relinkFrames);
    Rig rig;
    rig.announceAndLink();
    rig.answersRelink = answersRelink;
    rig.host.account = QStringLiteral("4711");
    const QByteArray image = randomImage();
    rig.startWrite(image);
    QCOMPARE(rig.sentData().first(), WriteRequestBytes);
    rig.runFor(60s);

    QCOMPARE(rig.panelReceived, image);
    QList<QByteArray> blocks;
    for (const QByteArray& data : rig.sentData())
        if (data.size() == Frames::BlockSize)
            blocks.append(data);
    QCOMPARE(blocks.size(), 74);
    QCOMPARE(int(static_cast<std::uint8_t>(blocks.last()[3])), 75);
    QCOMPARE(rig.sentCount(Relink), relinkFrames);
    QCOMPARE(rig.sentData().last(), Relink);
    // Progress after each block, then the relink steps, then cleared.
    QCOMPARE(rig.host.gauges.first(), 0);
    QCOMPARE(rig.host.gauges[1], 1);
    QCOMPARE(rig.host.gauges[74], 100);
    QCOMPARE(rig.host.gauges.mid(75, relinkFrames + 1),
             relinkFrames == 1 ? QList<int>({0, 0}) : QList<int>({0, 1, 0}));
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Запись конфигурации ППК 4711 завершена успешно.")});
    QCOMPARE(rig.dialogs.last().caption, QStringLiteral("Конфигурирование"));
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Information);
    QCOMPARE(rig.host.transfersDone, QStringList{QStringLiteral("write 192.168.1.30:5000")});
    QCOMPARE(rig.host.delays.count(20), relinkFrames);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
    QVERIFY(!rig.host.whoLit);
    QVERIFY(!rig.host.enabled(Item::ItemWr));
    QVERIFY(rig.host.enabled(Item::ItemLink));
    QCOMPARE(rig.vars.TransferOp, TransferOps::None);
    QCOMPARE(rig.vars.LinkMode, LinkModes::None);
    QCOMPARE(rig.clock.activeTimers(), 0);
}

void RemoteLinkTest::onlyTheAnnouncedPanelIsHeard()
{
    Rig rig;
    rig.announceAndLink();
    rig.startRead();
    rig.runFor(Ticks::ticks(40)); // a few blocks in
    const int stored = rig.vars.ImagePos;
    QVERIFY(stored > 1);
    const auto sentBefore = rig.socket.sent.size();
    const QHostAddress otherHost(QStringLiteral("192.168.1.31"));

    QByteArray forged(128, '\x66');
    const QByteArray forgedBlock = Frames::toBytes(Frames::panelBlock(Frames::OpRead, rig.vars.BlockNo, forged));
    for (const auto& [address, port] : {std::pair{PanelAddress, IntruderPort}, std::pair{otherHost, PanelPort}}) {
        rig.socket.deliver(forgedBlock, address, port);
        rig.socket.deliver(Frames::Armed, address, port);
        rig.socket.deliver(Frames::Announcement, address, port);
        rig.socket.deliver(AckBytes, address, port);
        rig.socket.deliver(damaged(forgedBlock), address, port);
    }
    QCOMPARE(rig.socket.sent.size(), sentBefore);
    QVERIFY(rig.dialogs.shown().isEmpty());
    QCOMPARE(rig.vars.ImagePos, stored);
    QCOMPARE(rig.host.status(), QStringLiteral("Удаленный ППК IP: 192.168.1.30 подключен"));

    rig.runFor(60s);
    QCOMPARE(rig.image.bytes(), rig.panelImage);
}

void RemoteLinkTest::datagramLengths_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("naked");
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("2 bytes") << QByteArray("\x06\x06", 2) << false;
    QTest::newRow("5 bytes") << QByteArray("Who?!") << false;
    QTest::newRow("133 bytes") << QByteArray(133, 'R') << false;
    QTest::newRow("135 bytes") << QByteArray(135, 'R') << false;
    QTest::newRow("1 unknown byte") << byte(0x42) << false;
    QTest::newRow("3 bytes, not the armed text") << QByteArray("ARN") << true;
    QTest::newRow("4 bytes, not the announcement") << QByteArray("Who!") << true;
    QTest::newRow("134 bytes, bad CRC") << QByteArray(134, 'R') << true;
}

void RemoteLinkTest::datagramLengths()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, naked);
    Rig rig;
    rig.announceAndLink();
    rig.socket.deliver(datagram, PanelAddress, PanelPort);

    QCOMPARE(rig.sentData(), naked ? QList<QByteArray>{NakBytes} : QList<QByteArray>{});
    QCOMPARE(rig.link.isTimerWaitBlockActive(), naked);
    QCOMPARE(rig.vars.RetryCount, naked ? 36 : 37);
    QVERIFY(rig.dialogs.shown().isEmpty());
}

void RemoteLinkTest::ignoredWhileRxIgnore()
{
    Rig rig;
    rig.answersConnect = false;
    rig.fromPanel(Frames::Announcement, 3s);
    rig.link.N2Click();
    rig.vars.RxIgnore = true;
    rig.socket.deliver(ReadyBytes, PanelAddress, PanelPort);
    rig.socket.deliver(Frames::Armed, PanelAddress, PanelPort);
    QVERIFY(!rig.vars.PanelLinked);
    QVERIFY(rig.dialogs.shown().isEmpty());
}

void RemoteLinkTest::nakWhileNotLinkedIsIgnored()
{
    Rig rig;
    rig.answersConnect = false;
    rig.fromPanel(Frames::Announcement, 3s);
    rig.link.N2Click();
    rig.socket.sent.clear();
    rig.socket.deliver(NakBytes, PanelAddress, PanelPort);
    rig.clock.advance(Ticks::ticks(5));
    QVERIFY(rig.socket.sent.isEmpty());
    QVERIFY(rig.dialogs.shown().isEmpty());
    QVERIFY(!rig.link.isTimerWaitAckActive());
}

void RemoteLinkTest::faultByteIsReported()
{
    Rig rig;
    rig.announceAndLink();
    rig.socket.deliver(byte(Frames::Fault), PanelAddress, PanelPort);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Ошибка записи в ППК")});
    QCOMPARE(rig.dialogs.last().caption, QStringLiteral("Конфигурирование. Запись"));
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Stop);
    QVERIFY(rig.vars.PanelLinked);
    QVERIFY(rig.host.whoLit);
}

void RemoteLinkTest::armedPanelRefuses()
{
    Rig rig;
    rig.fromPanel(Frames::Announcement, 3s);
    rig.answersConnect = false;
    rig.link.N2Click();
    rig.socket.deliver(Frames::Armed, PanelAddress, PanelPort);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("ППК под охраной. Конфигурирование запрещено")});
    QCOMPARE(rig.dialogs.last().caption, QStringLiteral("Удаленное конфигурирование"));
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Warning);
    QVERIFY(!rig.link.isTimerUDPActive());
    // The connection is over: the files and the connection menu, no transfer.
    QVERIFY(rig.host.enabled(Item::ItemLink) && rig.host.enabled(Item::ItemLoad));
    QVERIFY(!rig.host.enabled(Item::ItemRead) && !rig.host.enabled(Item::ItemWr) && !rig.host.wrBtnVisible);
    QVERIFY(!rig.host.whoLit);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
}

void RemoteLinkTest::armedPanelEndsAReadBeforeItsBox()
{
    Rig rig;
    rig.announceAndLink();
    rig.startRead();
    rig.runFor(Ticks::ticks(40)); // a few blocks in
    QVERIFY(rig.vars.ImagePos > 1);
    rig.dialogs.onMessage([&](const Dialogs::Message&) {
        QCOMPARE(rig.vars.TransferOp, TransferOps::None);
        QVERIFY(!rig.link.isTimerUDPActive() && !rig.link.isTimerWaitAckActive() && !rig.link.isTimerWaitBlockActive());
    });
    rig.socket.deliver(Frames::Armed, PanelAddress, PanelPort);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("ППК под охраной. Конфигурирование запрещено")});
    QVERIFY(!rig.vars.PanelLinked);
    QVERIFY(!rig.host.enabled(Item::ItemRead) && !rig.host.enabled(Item::ItemWr) && !rig.host.wrBtnVisible);
    QVERIFY(rig.host.enabled(Item::ItemLink));

    // The panel's blocks reach a connection that is over.
    const int stored = rig.vars.ImagePos;
    rig.socket.deliver(goodBlock(rig.panelImage, rig.vars.BlockNo), PanelAddress, PanelPort);
    QCOMPARE(rig.vars.ImagePos, stored);
}

void RemoteLinkTest::armedPanelEndsTheWait()
{
    Rig rig;
    rig.fromPanel(Frames::Armed, 3s);
    rig.link.N2Click();
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("ППК под охраной. Конфигурирование запрещено")});
    QCOMPARE(rig.host.status(), QStringLiteral("Нет связи с удаленным ППК. Автономный режим."));
    QCOMPARE(rig.clock.now(), Ticks::ticks(3 * 20)); // the step in which the panel spoke was the last
    QVERIFY(rig.host.enabled(Item::ItemLink));
    QVERIFY(!rig.host.enabled(Item::ItemRead) && !rig.host.enabled(Item::ItemWr));
}

void RemoteLinkTest::newWaitGivesUpTheLinkedPanel()
{
    Rig rig;
    rig.announceAndLink();
    QVERIFY(rig.host.whoLit);
    bool lightDuringWait = true;
    rig.after(3s, [&] {
        lightDuringWait = rig.host.whoLit;
        rig.socket.deliver(AckBytes, PanelAddress, PanelPort);
    });
    rig.link.N2Click(); // no panel announces itself this time
    QVERIFY(!lightDuringWait);
    QVERIFY(!rig.host.whoLit);
    QVERIFY(!rig.vars.PanelLinked);
    QVERIFY(rig.vars.PeerAddress.isEmpty());
    QCOMPARE(rig.host.status(), QStringLiteral("Нет связи с удаленным ППК. Автономный режим."));
    QVERIFY(!rig.host.enabled(Item::ItemRead) && !rig.host.enabled(Item::ItemWr) && !rig.host.wrBtnVisible);
    QVERIFY(!rig.link.isTimerUDPActive() && !rig.link.isTimerWaitAckActive() && !rig.link.isTimerWaitBlockActive());
    QVERIFY(rig.socket.sent.isEmpty());
}

// The wait notices the announcement at the end of its step; until then the
// panel has been sent nothing, and what else it sends answers nothing.
void RemoteLinkTest::panelHeardOnlyForItsTextsUntilTheWaitIsOver()
{
    Rig rig;
    rig.answersConnect = false;
    rig.fromPanel(Frames::Announcement, 3s);
    rig.fromPanel(damaged(goodBlock(rig.panelImage, 1)), 3100ms);
    rig.fromPanel(ReadyBytes, 3200ms);
    rig.link.N2Click();
    QVERIFY(rig.dialogs.shown().isEmpty());
    QVERIFY(!rig.vars.PanelLinked);
    QCOMPARE(rig.sentData(), QList<QByteArray>{Frames::toBytes(Frames::remoteConnectFrame())});
    QVERIFY(rig.link.isTimerUDPActive());

    rig.socket.deliver(ReadyBytes, PanelAddress, PanelPort);
    QVERIFY(rig.vars.PanelLinked);
}

void RemoteLinkTest::armedTextAfterTheAnnouncementEndsTheWait()
{
    Rig rig;
    rig.fromPanel(Frames::Announcement, 3s);
    rig.fromPanel(Frames::Armed, 3100ms);
    rig.link.N2Click();
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("ППК под охраной. Конфигурирование запрещено")});
    QCOMPARE(rig.host.status(), QStringLiteral("Нет связи с удаленным ППК. Автономный режим."));
    QVERIFY(rig.socket.sent.isEmpty());
    QVERIFY(!rig.host.whoLit);
    QVERIFY(!rig.link.isTimerUDPActive());
}

// A damaged datagram during a write starts the wait for a block; when the
// write is given up before that wait is over, the wait goes with it.
void RemoteLinkTest::writeGivenUpLeavesNoTimer()
{
    Rig rig;
    rig.announceAndLink();
    rig.answersRequests = false;
    rig.startWrite(rig.panelImage);
    // The request has been sent again six times: one attempt is left.
    rig.after(65s, [&] { rig.socket.deliver(damaged(goodBlock(rig.panelImage, 1)), PanelAddress, PanelPort); });
    rig.runFor(300s);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Время ожидания подтверждения приема блока истекло!")});
    QVERIFY(!rig.link.isTimerUDPActive() && !rig.link.isTimerWaitAckActive() && !rig.link.isTimerWaitBlockActive());
}

void RemoteLinkTest::finishedReadEndsTheConnectionBeforeItsBox()
{
    Rig rig;
    rig.announceAndLink();
    rig.startRead();
    int restoredDuringBox = -1;
    rig.dialogs.onMessage([&](const Dialogs::Message&) {
        restoredDuringBox = rig.host.restored;
        QVERIFY(!rig.vars.PanelLinked);
        QVERIFY(rig.vars.PeerAddress.isEmpty());
        QVERIFY(!rig.host.whoLit);
        QVERIFY(!rig.host.enabled(Item::ItemRead) && !rig.host.enabled(Item::ItemWr));
        // The panel's ready byte within the box links nothing.
        rig.socket.deliver(ReadyBytes, PanelAddress, PanelPort);
    });
    rig.runFor(60s);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Чтение конфигурации ППК завершено успешно.")});
    QCOMPARE(restoredDuringBox, 0);
    QCOMPARE(rig.host.restored, 1);
    QVERIFY(!rig.vars.PanelLinked);
    QCOMPARE(rig.image.bytes(), rig.panelImage);
}

QTEST_GUILESS_MAIN(RemoteLinkTest)
#include "tst_RemoteLink.moc"
