#include "Crc16.h"
#include "FakePortPanel.h"
#include "Frames.h"
#include "LinkConstants.h"
#include "PanelLinkRig.h"
#include "ScriptedPanel.h"

#include <QTest>

using Item = LinkHost::Item;

namespace {

const QString Connecting = QStringLiteral("Подключение...");
const QString Linked = QStringLiteral("ППК подключен по USB.");
const QString UsbCaption = QStringLiteral("Конфигурирование по USB");
const QString ConfigCaption = QStringLiteral("Конфигурирование");
const QString NoPort = QStringLiteral("Нет доступного Com-порта. Работа в автономном режиме. Продолжить?");

// How an attempt to open the port ends without a port.
enum class PortRefusal { ChooserCancelled, Busy, PermissionDenied };

QByteArray one(std::uint8_t byte)
{
    return QByteArray(1, static_cast<char>(byte));
}

const QByteArray ConnectFrame = Frames::toBytes(Frames::connectFrame());
const QByteArray ReadRequest = Frames::toBytes(Frames::readRequest());
const QByteArray WriteRequest = Frames::toBytes(Frames::writeRequest());

QByteArray sampleImage()
{
    QByteArray bytes(ConfigImage::Size, '\0');
    quint32 state = 0x2545F491;
    for (char& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

QByteArray panelBlock(int number, const QByteArray& image)
{
    const Frames::BlockSpan span = Frames::cutImage().at(number - 1);
    return Frames::toBytes(Frames::panelBlock(Frames::OpRead, number, image.mid(span.position - 1, span.count)));
}

// A block with a good CRC whose count byte claims more than it may.
QByteArray oversizeBlock(int number, std::uint8_t count)
{
    Frames::Block block = Frames::panelBlock(Frames::OpRead, number, QByteArray(128, 'x'));
    block[Frames::BlockCountOffset] = count;
    const std::uint16_t crc = Crc16(QByteArrayView(reinterpret_cast<const char*>(block.data()), Frames::BlockCrcOffset));
    block[Frames::BlockCrcOffset] = static_cast<std::uint8_t>(crc >> 8);
    block[Frames::BlockCrcOffset + 1] = static_cast<std::uint8_t>(crc & 0xFF);
    return Frames::toBytes(block);
}

QByteArray corrupted(QByteArray block)
{
    block[Frames::BlockCrcOffset] = static_cast<char>(block.at(Frames::BlockCrcOffset) ^ 0x5A);
    return block;
}

struct Rig : PanelLinkRig {
    void open()
    {
        dialogs.answerPort(QStringLiteral("/dev/ttyACM0"));
        link.USB2Click();
    }
    void connect()
    {
        open();
        port.push(one(Frames::Ready));
    }
    // Linked and reading, the read request already out.
    void startRead()
    {
        connect();
        link.ItemReadClick();
    }
    void advanceSeconds(double seconds) { clock.advance(std::chrono::milliseconds(qRound64(seconds * 1000))); }
    int writesOf(const QByteArray& bytes) const { return int(port.writes.count(bytes)); }
    bool standAlone() const
    {
        return !port.isOpen() && clock.activeTimers() == 0 && !host.wrBtnVisible && !host.gaugeVisible
            && host.enabled(Item::ItemLink) && !host.enabled(Item::ItemRead) && !host.enabled(Item::ItemWr)
            && host.enabled(Item::ItemLoad) && host.enabled(Item::ItemSave) && host.enabled(Item::ItemDefault);
    }
};

} // namespace

Q_DECLARE_METATYPE(PortRefusal)

class SerialLinkTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noPortAsksWhetherToGoOn_data();
    void noPortAsksWhetherToGoOn();
    void secondUsbWithoutAPortEndsTheConnection();
    void readyByteLinksThePanel();
    void silentPanelIsCountedDownAndGivenUp();
    void nakBeforeTheReadyByteKeepsTheCountdown();
    void oversizeDataEventIsDroppedWhole_data();
    void oversizeDataEventIsDroppedWhole();
    void fullOutputBufferKeepsRetrying();
    void faultByteClosesThePort();
    void completeRead();
    void readWithoutAnswerEndsAfterNineteenSeconds();
    void junkIsDroppedAndQueuedBytesMakeTheNextBlock();
    void repeatedBlockIsAcknowledgedNotStored();
    void seventhRejectedBlockEndsTheRead();
    void panelAnsweringAfterAFailedReadGetsTheControlsBack();
    void blockThatWouldWriteOutsideTheImageIsRejected();
    void blockOutOfSequenceEndsTheRead_data();
    void blockOutOfSequenceEndsTheRead();
    void stalledReadEndsWithNoLink_data();
    void stalledReadEndsWithNoLink();
    void completeWrite();
    void lateAnswerIsTakenForTheCopyItAnswers();
    void writeToALatePanel_data();
    void writeToALatePanel();
    void unansweredBlockIsSentSevenTimesMore();
    void lateReadyByteDoesNotStallAWrite();
    void nakResendsTheBlock();
    void nakWithoutAttemptsLeftGivesUp();
    void writeEndingUnlinkedGivesUpAfterAllFrames();
    void commandsWithoutALinkedPanelSendNothing();
    void btDuringReadAbandonsIt();
    void portFailureEndsTheTransfer_data();
    void portFailureEndsTheTransfer();
};

void SerialLinkTest::noPortAsksWhetherToGoOn_data()
{
    QTest::addColumn<PortRefusal>("refusal");
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::addColumn<int>("closeRequests");
    QTest::addColumn<QString>("text");
    const QString withPermission = NoPort
        + QStringLiteral("\nНет прав на доступ к порту: пользователь не входит в группу dialout. "
                         "Выполните sudo usermod -aG dialout $USER и войдите в систему заново.");
    QTest::newRow("chooser cancelled, yes") << PortRefusal::ChooserCancelled << Dialogs::Answer::Yes << 0 << NoPort;
    QTest::newRow("chooser cancelled, no") << PortRefusal::ChooserCancelled << Dialogs::Answer::No << 1 << NoPort;
    QTest::newRow("port busy") << PortRefusal::Busy << Dialogs::Answer::Yes << 0 << NoPort;
    QTest::newRow("permission denied, yes") << PortRefusal::PermissionDenied << Dialogs::Answer::Yes << 0
                                            << withPermission;
    QTest::newRow("permission denied, no") << PortRefusal::PermissionDenied << Dialogs::Answer::No << 1
                                           << withPermission;
}

void SerialLinkTest::noPortAsksWhetherToGoOn()
{
    QFETCH(PortRefusal, refusal);
    QFETCH(Dialogs::Answer, answer);
    QFETCH(int, closeRequests);
    QFETCH(QString, text);
    Rig rig;
    rig.dialogs.answerPort(refusal == PortRefusal::ChooserCancelled ? std::nullopt
                                                                    : std::optional(QStringLiteral("/dev/ttyUSB0")));
    rig.port.refuseOpen = refusal == PortRefusal::Busy;
    rig.port.denyPermission = refusal == PortRefusal::PermissionDenied;
    rig.dialogs.answer(answer);
    rig.link.USB2Click();

    QCOMPARE(rig.dialogs.shown().size(), 1);
    const Dialogs::Message& box = rig.dialogs.last();
    QCOMPARE(box.text, text);
    QCOMPARE(box.caption, QStringLiteral("Оборудование"));
    QCOMPARE(box.icon, Dialogs::Icon::Stop);
    QCOMPARE(box.buttons, Dialogs::Buttons::YesNo);
    QVERIFY(!box.onTop);
    QCOMPARE(rig.host.closeRequests, closeRequests);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный"));
    QVERIFY(rig.link.vars().RxIgnore);
    QCOMPARE(rig.link.vars().LinkStage, LinkStages::None);
    QVERIFY(rig.port.writes.isEmpty());

    // The cause belongs to that attempt only: a later one cancelled in the
    // chooser shows the plain question.
    rig.dialogs.forget();
    rig.dialogs.answerPort(std::nullopt);
    rig.dialogs.answer(Dialogs::Answer::Yes);
    rig.link.USB2Click();
    QCOMPARE(rig.dialogs.texts(), QStringList{NoPort});
}

void SerialLinkTest::secondUsbWithoutAPortEndsTheConnection()
{
    Rig rig;
    rig.connect();
    QVERIFY(rig.host.allEnabled());
    rig.dialogs.answerPort(std::nullopt); // the chooser cancelled
    rig.link.USB2Click();
    QCOMPARE(rig.dialogs.texts(),
             QStringList{QStringLiteral("Нет доступного Com-порта. Работа в автономном режиме. Продолжить?")});
    QVERIFY(rig.standAlone());
    QVERIFY(!rig.link.vars().PanelLinked);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный"));
}

void SerialLinkTest::readyByteLinksThePanel()
{
    Rig rig;
    rig.open();
    QCOMPARE(rig.host.status(), Connecting);
    QCOMPARE(rig.port.writes, QList<QByteArray>{ConnectFrame});
    QVERIFY(!rig.host.enabled(Item::ItemRead));
    QCOMPARE(rig.link.vars().LinkMode, LinkModes::Usb);
    QCOMPARE(rig.host.saveRequestCleared, 1);

    rig.port.push(one(Frames::Ready));
    QCOMPARE(rig.host.status(), Linked);
    QVERIFY(rig.host.allEnabled());
    QVERIFY(rig.host.wrBtnVisible && rig.host.wrBtnEnabled && rig.host.gaugeVisible);
    QVERIFY(rig.link.vars().PanelLinked);

    // The handshake's timer is still running; the next ready byte stops it.
    rig.advanceSeconds(2);
    QCOMPARE(rig.writesOf(ConnectFrame), 2);
    QCOMPARE(rig.host.status(), Linked);
    rig.port.push(one(Frames::Ready));
    QCOMPARE(rig.clock.activeTimers(), 0);
}

void SerialLinkTest::silentPanelIsCountedDownAndGivenUp()
{
    Rig rig;
    rig.open();
    const int giveUpTick = (LinkConstants::ConnectRetries + 1) * LinkConstants::RetryTicks; // about 60 s
    rig.clock.advanceTicks(giveUpTick - 1);
    QVERIFY(rig.dialogs.shown().isEmpty());
    QStringList countdown;
    for (int seconds = 58; seconds >= 2; seconds -= 2)
        countdown.append(QStringLiteral("Подключение. Осталось %1 c.").arg(seconds));
    QCOMPARE(rig.host.statuses.mid(1), countdown);
    QCOMPARE(rig.writesOf(ConnectFrame), 30);

    rig.clock.advanceTicks(1);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("E1: ППК не отвечает!")});
    QCOMPARE(rig.dialogs.last().caption, UsbCaption);
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Stop);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный"));
    QVERIFY(rig.standAlone());
    QCOMPARE(rig.port.writes.size(), 30);
}

void SerialLinkTest::nakBeforeTheReadyByteKeepsTheCountdown()
{
    Rig rig;
    rig.open();
    rig.advanceSeconds(3);
    rig.port.push(one(Frames::Nak));
    rig.advanceSeconds(60);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("E1: ППК не отвечает!")});
    QVERIFY(rig.standAlone());
}

void SerialLinkTest::oversizeDataEventIsDroppedWhole_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("linked");
    QTest::newRow("134 bytes are read") << 134 << true;
    QTest::newRow("135 bytes are dropped") << 135 << false;
}

void SerialLinkTest::oversizeDataEventIsDroppedWhole()
{
    QFETCH(int, size);
    QFETCH(bool, linked);
    Rig rig;
    rig.open();
    rig.port.push(QByteArray(size, char(Frames::Ready)));
    QCOMPARE(rig.link.vars().PanelLinked, linked);
    QCOMPARE(rig.port.bytesAvailable(), 0);
}

void SerialLinkTest::fullOutputBufferKeepsRetrying()
{
    Rig rig;
    rig.port.freeSpace = 0;
    rig.open();
    QVERIFY(rig.port.writes.isEmpty());
    rig.advanceSeconds(2);
    QVERIFY(rig.port.writes.isEmpty());
    QCOMPARE(rig.clock.activeTimers(), 1);

    rig.port.freeSpace = 4096;
    rig.advanceSeconds(2);
    QCOMPARE(rig.port.writes, QList<QByteArray>{ConnectFrame});

    // A buffer that never drains still ends in the panel being given up.
    rig.port.freeSpace = 0;
    rig.advanceSeconds(60);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("E1: ППК не отвечает!")});
    QVERIFY(rig.standAlone());
}

void SerialLinkTest::faultByteClosesThePort()
{
    Rig rig;
    rig.connect();
    // The panel repeats its fault while the box is open.
    rig.dialogs.onMessage([&](const Dialogs::Message&) {
        if (rig.dialogs.shown().size() == 1)
            rig.port.push(one(Frames::Fault));
    });
    rig.port.push(one(Frames::Fault));
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Неисправность оборудование")});
    QCOMPARE(rig.dialogs.last().caption, QStringLiteral("Ошибка записи."));
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Stop);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
    QVERIFY(rig.standAlone());
}

void SerialLinkTest::completeRead()
{
    Rig rig;
    ConfigImage held;
    held.assign(sampleImage());
    held.setValue(ImageLayout::channelField(ImageLayout::SmsRecord, ImageLayout::Channel::Account), 0x0A2B);
    ScriptedPanel panel(rig.port, rig.clock, held.bytes());
    rig.open();
    rig.clock.fireNext(); // the panel's ready byte
    rig.image.assign(QByteArray(ConfigImage::Size, '\x7F'));
    rig.host.account = QStringLiteral("1234"); // the panel shown before the read
    // Handed on to be recorded only once the box is answered.
    rig.dialogs.onMessage([&](const Dialogs::Message&) {
        QCOMPARE(rig.host.gauge(), 100);
        QVERIFY(rig.host.transfersDone.isEmpty());
    });

    rig.link.ItemReadClick();
    QVERIFY(rig.host.verSimReadOnly);
    QCOMPARE(rig.host.firstPageShown, 1);
    QCOMPARE(rig.host.status(), QStringLiteral("Подключение по USB. Чтение..."));
    QCOMPARE(rig.port.writes.constLast(), ReadRequest);
    while (rig.dialogs.shown().isEmpty() && rig.clock.fireNext()) {
    }

    QCOMPARE(rig.image.bytes(), panel.image);
    QCOMPARE(panel.acksReceived, Frames::BlockCount);
    QCOMPARE(panel.naksReceived, 0);
    // The message names the panel just read, not the one shown before.
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Чтение конфигурации ППК 0A2B выполнено.")});
    QCOMPARE(rig.dialogs.last().caption, ConfigCaption);
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Information);
    QCOMPARE(rig.host.restored, 1);
    QCOMPARE(rig.host.transfersDone, QStringList{QStringLiteral("read /dev/ttyACM0")});
    QCOMPARE(rig.host.gauges.mid(rig.host.gauges.size() - 3), (QList<int>{100, 100, 0}));
    QVERIFY(!rig.host.gaugeVisible);
    QCOMPARE(rig.port.writes.constLast(), ConnectFrame);
    QCOMPARE(rig.link.vars().TransferOp, TransferOps::None);

    rig.clock.fireNext(); // the panel's ready byte
    QCOMPARE(rig.host.status(), Linked);
    QVERIFY(rig.host.allEnabled());
}

void SerialLinkTest::readWithoutAnswerEndsAfterNineteenSeconds()
{
    Rig rig;
    rig.startRead();
    const int before = int(rig.port.writes.size());
    // 5 s, then seven retries 2 s apart: about 19 s.
    const int giveUpTick = LinkConstants::ReadRequestTicks + 7 * LinkConstants::RetryTicks;
    rig.clock.advanceTicks(giveUpTick - 1);
    QVERIFY(rig.dialogs.shown().isEmpty());
    // Retries before the first block send the connect frame, not the request again.
    QCOMPARE(rig.port.writes.mid(before), QList<QByteArray>(7, ConnectFrame));
    QCOMPARE(rig.host.status(), QStringLiteral("Подключение по USB. Чтение..."));

    rig.clock.advanceTicks(1);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("E1: ППК не отвечает!")});
    QCOMPARE(rig.link.vars().TransferOp, TransferOps::None);
    QVERIFY(rig.standAlone());
}

void SerialLinkTest::junkIsDroppedAndQueuedBytesMakeTheNextBlock()
{
    Rig rig;
    const QByteArray image = sampleImage();
    rig.startRead();
    const QByteArray stream = panelBlock(1, image) + panelBlock(2, image);
    rig.port.push(QByteArray("\x01\x06\x25", 3) + stream.left(100));
    rig.port.push(stream.mid(100, 84)); // the end of block 1 and the start of block 2
    rig.port.push(stream.mid(184));

    QCOMPARE(rig.writesOf(one(Frames::Ack)), 2);
    QCOMPARE(rig.link.vars().ImagePos, 257);
    QCOMPARE(rig.image.bytes().left(256), image.left(256));
}

void SerialLinkTest::repeatedBlockIsAcknowledgedNotStored()
{
    Rig rig;
    const QByteArray image = sampleImage();
    rig.startRead();
    rig.port.push(panelBlock(1, image));
    rig.port.push(panelBlock(1, image));
    QCOMPARE(rig.writesOf(one(Frames::Ack)), 2);
    QCOMPARE(rig.link.vars().ImagePos, 129);
    QCOMPARE(rig.link.vars().BlockNo, 2);
    rig.port.push(panelBlock(2, image));
    QCOMPARE(rig.image.bytes().left(256), image.left(256));
}

void SerialLinkTest::seventhRejectedBlockEndsTheRead()
{
    Rig rig;
    const QByteArray image = sampleImage();
    rig.startRead();
    rig.port.push(panelBlock(1, image));
    for (int i = 0; i < 6; ++i)
        rig.port.push(corrupted(panelBlock(2, image)));
    QCOMPARE(rig.writesOf(one(Frames::Nak)), 6);
    QVERIFY(rig.dialogs.shown().isEmpty());

    const int before = int(rig.port.writes.size());
    // The panel answers the last NAK while the box is open: the read is over.
    rig.dialogs.onMessage([&](const Dialogs::Message&) { rig.port.push(panelBlock(2, image)); });
    rig.port.push(corrupted(panelBlock(2, image)));
    QCOMPARE(rig.port.writes.mid(before), (QList<QByteArray>{one(Frames::Nak), ConnectFrame}));
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Ошибка чтения конфигурации")});
    QCOMPARE(rig.dialogs.last().caption, ConfigCaption);
    QCOMPARE(rig.link.vars().TransferOp, TransferOps::None);
    QCOMPARE(rig.host.restored, 0);
    // What arrived stays, the rest is zero.
    QCOMPARE(rig.image.bytes(), image.left(128) + QByteArray(ConfigImage::Size - 128, '\0'));
}

void SerialLinkTest::panelAnsweringAfterAFailedReadGetsTheControlsBack()
{
    Rig rig;
    const QByteArray image = sampleImage();
    rig.startRead();
    for (int i = 0; i < LinkConstants::TransferRetries; ++i)
        rig.port.push(corrupted(panelBlock(1, image)));
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Ошибка чтения конфигурации")});
    // Files stay usable while the connect frame goes out; no transfer is offered.
    QVERIFY(!rig.host.enabled(Item::ItemRead) && !rig.host.enabled(Item::ItemWr) && !rig.host.wrBtnVisible);
    QVERIFY(rig.host.enabled(Item::ItemLoad) && rig.host.enabled(Item::ItemSave));

    rig.port.push(one(Frames::Ready));
    QCOMPARE(rig.host.status(), Linked);
    QVERIFY(rig.host.allEnabled());
    QVERIFY(rig.host.wrBtnVisible && rig.host.wrBtnEnabled);
}

void SerialLinkTest::blockThatWouldWriteOutsideTheImageIsRejected()
{
    Rig rig;
    rig.startRead();
    rig.link.vars().ImagePos = 9400; // as if 73 blocks had been shorter
    rig.link.vars().BlockNo = 74;
    rig.port.push(oversizeBlock(74, 128));
    rig.port.push(oversizeBlock(74, 200));
    QCOMPARE(rig.writesOf(one(Frames::Nak)), 2);
    QCOMPARE(rig.link.vars().ImagePos, 9400);
    QCOMPARE(rig.image.bytes(), QByteArray(ConfigImage::Size, '\0'));
}

void SerialLinkTest::blockOutOfSequenceEndsTheRead_data()
{
    QTest::addColumn<int>("received");
    QTest::newRow("block 6 in place of block 5") << 6;
    QTest::newRow("block 2 after block 4") << 2;
}

void SerialLinkTest::blockOutOfSequenceEndsTheRead()
{
    QFETCH(int, received);
    Rig rig;
    const QByteArray image = sampleImage();
    rig.startRead();
    for (int number = 1; number <= 4; ++number)
        rig.port.push(panelBlock(number, image));
    const int before = int(rig.port.writes.size());
    const auto at = rig.clock.now();
    // The panel goes on sending while the box is open.
    rig.dialogs.onMessage([&](const Dialogs::Message&) { rig.port.push(panelBlock(5, image)); });
    rig.port.push(panelBlock(received, image));

    QCOMPARE(rig.dialogs.texts(),
             QStringList{QStringLiteral("Нарушена последовательность блоков. Ждали 5, получили %1").arg(received)});
    QCOMPARE(rig.dialogs.last().caption, UsbCaption);
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Stop);
    QCOMPARE(rig.clock.now(), at);
    QCOMPARE(rig.port.writes.mid(before), QList<QByteArray>{ConnectFrame});
    QCOMPARE(rig.link.vars().TransferOp, TransferOps::None);
    QCOMPARE(rig.host.restored, 0);
    QVERIFY(rig.host.transfersDone.isEmpty());
    QCOMPARE(rig.image.bytes(), image.left(4 * 128) + QByteArray(ConfigImage::Size - 4 * 128, '\0'));
    QVERIFY(!rig.host.enabled(Item::ItemRead) && !rig.host.enabled(Item::ItemWr) && !rig.host.wrBtnVisible);
    QVERIFY(rig.host.enabled(Item::ItemLoad) && rig.host.enabled(Item::ItemSave));
    QVERIFY(!rig.host.gaugeVisible);

    rig.port.push(one(Frames::Ready));
    QCOMPARE(rig.host.status(), Linked);
    QVERIFY(rig.host.allEnabled());
}

void SerialLinkTest::stalledReadEndsWithNoLink_data()
{
    QTest::addColumn<QByteArray>("afterFirstBlock");
    QTest::addColumn<int>("repeatEverySeconds");
    const QByteArray image = sampleImage();
    QTest::newRow("stops mid-block") << panelBlock(2, image).left(60) << 0;
}

void SerialLinkTest::stalledReadEndsWithNoLink()
{
    QFETCH(QByteArray, afterFirstBlock);
    QFETCH(int, repeatEverySeconds);
    Rig rig;
    rig.startRead();
    rig.port.push(panelBlock(1, sampleImage()));
    rig.port.push(afterFirstBlock);
    const int before = int(rig.port.writes.size());
    for (int elapsed = 0; elapsed < 20 && rig.host.status() != QStringLiteral("Нет связи"); ++elapsed) {
        rig.advanceSeconds(1);
        if (repeatEverySeconds && elapsed % repeatEverySeconds == 0)
            rig.port.push(afterFirstBlock);
    }
    QCOMPARE(rig.host.status(), QStringLiteral("Нет связи"));
    QVERIFY(!rig.link.vars().PanelLinked);
    QVERIFY(!rig.host.enabled(Item::ItemRead));
    QVERIFY(rig.host.enabled(Item::ItemLoad));
    QVERIFY(!rig.host.gaugeVisible);
    QCOMPARE(rig.port.writes.mid(before), QList<QByteArray>{ConnectFrame});
    QVERIFY(rig.dialogs.shown().isEmpty());
}

void SerialLinkTest::completeWrite()
{
    Rig rig;
    ScriptedPanel panel(rig.port, rig.clock, QByteArray());
    rig.open();
    rig.clock.fireNext(); // the panel's ready byte
    rig.image.assign(sampleImage());
    rig.host.account = QStringLiteral("0042");
    rig.host.gauges.clear();

    rig.link.startWrite();
    QVERIFY(!rig.host.wrBtnVisible);
    QVERIFY(!rig.host.enabled(Item::ItemLink));
    QVERIFY(rig.host.gaugeVisible);
    // A late copy of the last ACK while the box is open finds the write over.
    int gaugeAtTheBox = -1;
    rig.dialogs.onMessage([&](const Dialogs::Message&) {
        if (rig.dialogs.shown().size() != 1)
            return;
        gaugeAtTheBox = rig.host.gauge();
        rig.port.push(one(Frames::Ack));
    });
    QCOMPARE(rig.host.status(), QStringLiteral("ППК подключен по USB. Запись..."));
    QCOMPARE(rig.port.writes.constLast(), WriteRequest);
    const int before = int(rig.port.writes.size());
    while (rig.dialogs.shown().isEmpty() && rig.clock.fireNext()) {
    }

    QCOMPARE(panel.received, rig.image.bytes());
    const QList<QByteArray> sent = rig.port.writes.mid(before);
    QCOMPARE(sent.size(), Frames::BlockCount + 2);
    QCOMPARE(int(static_cast<std::uint8_t>(sent.at(Frames::BlockCount - 1).at(Frames::BlockCountOffset))), 75);
    QCOMPARE(sent.at(Frames::BlockCount), ConnectFrame); // the end of the write
    QCOMPARE(sent.constLast(), ConnectFrame);             // the new handshake
    QCOMPARE(rig.host.gauges.at(1), 0);                   // the first block
    QCOMPARE(rig.host.gauges.at(Frames::BlockCount), 99); // the last block
    // Full once, while the success box is shown, then reset.
    QCOMPARE(rig.host.gauges.mid(Frames::BlockCount + 1), (QList<int>{100, 0}));
    QCOMPARE(gaugeAtTheBox, 100);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Запись конфигурации ППК 0042 выполнена.")});
    QCOMPARE(rig.dialogs.last().caption, ConfigCaption);
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Information);
    QCOMPARE(rig.host.transfersDone, QStringList{QStringLiteral("write /dev/ttyACM0")});
    QCOMPARE(rig.link.vars().TransferOp, TransferOps::None);
    QVERIFY(!rig.host.gaugeVisible);

    rig.clock.fireNext();
    QCOMPARE(rig.host.status(), Linked);
}

void SerialLinkTest::lateAnswerIsTakenForTheCopyItAnswers()
{
    Rig rig;
    rig.connect();
    rig.image.assign(sampleImage());
    rig.link.startWrite();
    const auto sentBlocks = [&] {
        QList<int> numbers;
        for (const QByteArray& bytes : rig.port.writes)
            if (bytes.size() == Frames::BlockSize)
                numbers.append(static_cast<std::uint8_t>(bytes.at(1)));
        return numbers;
    };
    rig.port.push(one(Frames::Ack)); // the write request
    rig.advanceSeconds(2);           // block 1 goes out again
    rig.port.push(one(Frames::Ack)); // for the first copy of block 1
    QCOMPARE(sentBlocks(), (QList<int>{1, 1, 2}));
    rig.port.push(one(Frames::Ack)); // for the second copy of block 1, not for block 2
    QCOMPARE(sentBlocks(), (QList<int>{1, 1, 2}));

    rig.advanceSeconds(2); // block 2 goes out again
    // The answers to both copies arrive together: the first settles block 2,
    // the second is the late one.
    rig.port.push(QByteArray(2, char(Frames::Ack)));
    QCOMPARE(sentBlocks(), (QList<int>{1, 1, 2, 2, 3}));
    rig.port.push(one(Frames::Ack)); // for block 3, owing nothing more
    QCOMPARE(sentBlocks(), (QList<int>{1, 1, 2, 2, 3, 4}));
    rig.port.push(one(Frames::Nak)); // refuses block 4
    rig.advanceSeconds(2);
    rig.port.push(one(Frames::Ack));
    QCOMPARE(sentBlocks(), (QList<int>{1, 1, 2, 2, 3, 4, 4, 5}));
    QVERIFY(rig.dialogs.shown().isEmpty());
}

void SerialLinkTest::writeToALatePanel_data()
{
    QTest::addColumn<int>("lateMs");
    QTest::addColumn<int>("refusedBlock");
    // Answers later than the 2 s retry make the link send blocks twice or more;
    // the panel acknowledges every copy and stores the first.
    QTest::newRow("1.9 s late") << 1900 << 0;
    QTest::newRow("2.1 s late") << 2100 << 0;
    QTest::newRow("3 s late") << 3000 << 0;
    QTest::newRow("5 s late") << 5000 << 0;
    QTest::newRow("2.1 s late, last block refused once") << 2100 << Frames::BlockCount;
    QTest::newRow("3 s late, last block refused once") << 3000 << Frames::BlockCount;
    QTest::newRow("5 s late, first block refused once") << 5000 << 1;
}

void SerialLinkTest::writeToALatePanel()
{
    QFETCH(int, lateMs);
    QFETCH(int, refusedBlock);
    Rig rig;
    PanelOptions options;
    options.lateness = std::chrono::milliseconds(lateMs);
    options.refuseBlock = refusedBlock;
    FakePortPanel panel(rig.port, rig.clock, options);
    rig.open();
    while (!rig.link.vars().PanelLinked && rig.clock.fireNext()) {
    }
    rig.image.assign(sampleImage());
    rig.host.account = QStringLiteral("0042");
    // What the panel holds when the write claims to be over.
    QByteArray heldAtTheBox;
    rig.dialogs.onMessage([&](const Dialogs::Message&) { heldAtTheBox = panel.written(); });

    rig.link.startWrite();
    while (rig.dialogs.shown().isEmpty() && rig.clock.fireNext()) {
    }
    rig.advanceSeconds(30); // every late answer still on its way arrives

    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Запись конфигурации ППК 0042 выполнена.")});
    QCOMPARE(heldAtTheBox, rig.image.bytes());
    QCOMPARE(panel.written(), rig.image.bytes());
    QCOMPARE(rig.dialogs.shown().size(), 1);
    QCOMPARE(rig.host.status(), Linked);
}

void SerialLinkTest::unansweredBlockIsSentSevenTimesMore()
{
    Rig rig;
    rig.connect();
    rig.image.assign(sampleImage());
    rig.link.startWrite();
    rig.port.push(one(Frames::Ack));
    const QByteArray first = rig.port.writes.constLast();
    QCOMPARE(first.size(), Frames::BlockSize);
    rig.advanceSeconds(14.5);
    QCOMPARE(rig.writesOf(first), 8);
    QVERIFY(rig.dialogs.shown().isEmpty());
    rig.advanceSeconds(2);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("E1: ППК не отвечает!")});
    QVERIFY(rig.standAlone());
}

void SerialLinkTest::lateReadyByteDoesNotStallAWrite()
{
    Rig rig;
    rig.connect();
    rig.image.assign(sampleImage());
    rig.link.startWrite();
    // The answer to a connect frame re-sent before the write arrives after it.
    rig.port.push(one(Frames::Ready));
    rig.advanceSeconds(2.5);
    QCOMPARE(rig.writesOf(WriteRequest), 2);
    rig.advanceSeconds(14);
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("E1: ППК не отвечает!")});
    QVERIFY(rig.standAlone());
}

void SerialLinkTest::nakResendsTheBlock()
{
    Rig rig;
    rig.connect();
    rig.link.startWrite();
    rig.port.push(one(Frames::Ack));
    const QByteArray first = rig.port.writes.constLast();
    rig.advanceSeconds(1);
    rig.port.push(one(Frames::Nak));
    rig.advanceSeconds(1.9);
    QCOMPARE(rig.writesOf(first), 1);
    rig.advanceSeconds(0.1);
    QCOMPARE(rig.writesOf(first), 2);
    rig.port.push(one(Frames::Ack));
    QCOMPARE(rig.link.vars().BlockNo, 3);
    QVERIFY(rig.dialogs.shown().isEmpty());
}

void SerialLinkTest::nakWithoutAttemptsLeftGivesUp()
{
    Rig rig;
    rig.connect();
    rig.link.startWrite();
    rig.port.push(one(Frames::Ack));
    rig.advanceSeconds(14.5); // seven re-sendings use up the attempts
    QCOMPARE(rig.link.vars().RetryCount, 0);
    rig.port.push(one(Frames::Nak));
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("Связь отсутствует!")});
    QCOMPARE(rig.dialogs.last().caption, UsbCaption);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
    QVERIFY(rig.standAlone());
}

void SerialLinkTest::writeEndingUnlinkedGivesUpAfterAllFrames()
{
    Rig rig;
    rig.connect();
    rig.link.startWrite();
    // The last block is through and the panel has meanwhile been taken for lost.
    rig.link.vars().ImagePos = ConfigImage::Size + 1;
    rig.link.vars().PanelLinked = false;
    const int before = int(rig.port.writes.size());
    rig.port.push(one(Frames::Ack));

    QCOMPARE(rig.port.writes.mid(before), QList<QByteArray>(LinkConstants::EndOfWriteFrames - 1, ConnectFrame));
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("E:3 ППК не отвечает!")});
    QCOMPARE(rig.dialogs.last().caption, ConfigCaption);
    QCOMPARE(rig.dialogs.last().icon, Dialogs::Icon::Information);
    // Unconfirmed: nothing to record.
    QVERIFY(rig.host.transfersDone.isEmpty());
    QVERIFY(!rig.port.isOpen());
    QCOMPARE(rig.clock.activeTimers(), 0);
    QCOMPARE(rig.link.vars().TransferOp, TransferOps::None);
    QVERIFY(!rig.host.gaugeVisible);
}

void SerialLinkTest::commandsWithoutALinkedPanelSendNothing()
{
    Rig rig;
    rig.open(); // the panel has not answered yet
    const int before = int(rig.port.writes.size());
    rig.link.ItemReadClick();
    rig.link.startWrite();
    QCOMPARE(rig.port.writes.size(), before);
    QCOMPARE(rig.host.status(), QStringLiteral("ППК не подключен."));
    QVERIFY(rig.host.enabled(Item::ItemLink) && rig.host.enabled(Item::ItemLoad));
    QVERIFY(!rig.host.enabled(Item::ItemRead) && !rig.host.enabled(Item::ItemWr));
    QVERIFY(!rig.host.gaugeVisible);
    QCOMPARE(rig.link.vars().TransferOp, TransferOps::None);

    // The handshake goes on, and the panel's answer links it as usual.
    rig.port.push(one(Frames::Ready));
    QCOMPARE(rig.host.status(), Linked);
    QVERIFY(rig.host.allEnabled());
}

void SerialLinkTest::btDuringReadAbandonsIt()
{
    Rig rig;
    rig.startRead();
    rig.port.push(panelBlock(1, sampleImage()));
    rig.link.BTClick();
    QVERIFY(rig.dialogs.shown().isEmpty());
    QVERIFY(!rig.port.isOpen());
    QCOMPARE(rig.clock.activeTimers(), 0);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
    QVERIFY(rig.host.enabled(Item::ItemLink) && rig.host.enabled(Item::ItemLoad) && rig.host.enabled(Item::ItemSave)
            && rig.host.enabled(Item::ItemDefault));
    QVERIFY(!rig.host.enabled(Item::ItemRead) && !rig.host.enabled(Item::ItemWr));
    QVERIFY(!rig.host.wrBtnVisible && !rig.host.wrBtnEnabled && !rig.host.gaugeVisible);

    // A new connection is not taken for the abandoned read.
    rig.connect();
    QCOMPARE(rig.host.status(), Linked);
}

void SerialLinkTest::portFailureEndsTheTransfer_data()
{
    QTest::addColumn<QString>("transfer");
    QTest::addColumn<bool>("refuseWrites");
    QTest::newRow("line lost while linked") << "none" << false;
    QTest::newRow("line lost while reading") << "read" << false;
    QTest::newRow("line lost while writing") << "write" << false;
    QTest::newRow("read request refused") << "read" << true;
    QTest::newRow("write request refused") << "write" << true;
}

void SerialLinkTest::portFailureEndsTheTransfer()
{
    QFETCH(QString, transfer);
    QFETCH(bool, refuseWrites);
    Rig rig;
    rig.connect();
    // A lost line goes on reporting while the box waits in its own event loop,
    // and the far end's last bytes may still come in.
    bool finalBeforeTheBox = false;
    rig.dialogs.onMessage([&](const Dialogs::Message&) {
        if (rig.dialogs.shown().size() > 1)
            return;
        finalBeforeTheBox = !rig.port.isOpen() && rig.standAlone();
        for (int report = 0; report < 3; ++report) {
            rig.port.fail();
            rig.port.push(one(Frames::Ack));
        }
    });
    rig.port.refuseWrites = refuseWrites;
    if (transfer == QLatin1String("read"))
        rig.link.ItemReadClick();
    else if (transfer == QLatin1String("write"))
        rig.link.startWrite();
    if (!refuseWrites) {
        if (transfer == QLatin1String("read"))
            rig.port.push(panelBlock(1, sampleImage()));
        else if (transfer == QLatin1String("write"))
            rig.port.push(one(Frames::Ack));
        rig.port.fail();
    }
    QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("USB не подключен!")});
    QCOMPARE(rig.dialogs.last().caption, UsbCaption);
    QVERIFY(finalBeforeTheBox);
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
    QVERIFY(rig.standAlone());
    QCOMPARE(rig.link.vars().TransferOp, TransferOps::None);
    rig.port.fail(); // a later report of the same loss is not shown again
    QCOMPARE(rig.dialogs.shown().size(), 1);

    // Nothing of the lost line reaches the next connection.
    rig.port.refuseWrites = false;
    rig.dialogs.forget();
    rig.connect();
    QCOMPARE(rig.host.status(), Linked);
    QVERIFY(rig.dialogs.shown().isEmpty());
}

QTEST_GUILESS_MAIN(SerialLinkTest)
#include "tst_SerialLink.moc"
