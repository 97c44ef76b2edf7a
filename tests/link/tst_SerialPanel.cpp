// The link against the virtual panel over a real pseudo-terminal, in real time.
#include "TestFiles.h"
#include "ConfigFile.h"
#include "ConfigImage.h"
#include "PanelLinkRig.h"
#include "QtSerialPort.h"
#include "QtTickClock.h"
#include "SampleConfigs.h"
#include "VirtualPanel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Linked = QStringLiteral("ППК подключен по USB.");
// Every image of these tests names its panel 1A2B.
const QString ReadDone = QStringLiteral("Чтение конфигурации ППК 1A2B выполнено.");
const QString WriteDone = QStringLiteral("Запись конфигурации ППК EC22 выполнена.");
constexpr int ConnectTimeoutMs = 5000;
constexpr int TransferTimeoutMs = 30000;
// How long a box stays open before it is answered.
constexpr int BoxOpenMs = 500;
const QString UsbMissing = QStringLiteral("USB не подключен!");

struct Rig : BasicPanelLinkRig<QtTickClock, QtSerialPort> {
    VirtualPanel panel;

    bool connect(const QStringList& arguments)
    {
        if (!panel.start(arguments))
            return false;
        dialogs.answerPort(panel.devicePath());
        link.USB2Click();
        return QTest::qWaitFor([this] { return host.status() == Linked; }, ConnectTimeoutMs);
    }
    bool waitForBox(const QString& text, int timeoutMs = TransferTimeoutMs)
    {
        return QTest::qWaitFor([&] { return dialogs.texts().contains(text); }, timeoutMs);
    }
};

} // namespace

class SerialPanelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void fullRead();
    void fullWrite();
    void injectedFault_data();
    void injectedFault();
    void panelEnded_data();
    void panelEnded();

private:
    QTemporaryDir m_dir;
};

void SerialPanelTest::initTestCase()
{
    QVERIFY2(QFile::exists(VirtualPanel::program()), qPrintable(VirtualPanel::program()));
    QVERIFY(m_dir.isValid());
}

void SerialPanelTest::fullRead()
{
    const QByteArray panelImage = SampleConfigs::scatteredBytes(7);
    const QString file = m_dir.filePath(QStringLiteral("panel.q22"));
    QVERIFY(writeFile(file, ConfigFile::Signature + panelImage));

    Rig rig;
    QVERIFY2(rig.connect({file}), qPrintable(rig.panel.errors()));
    rig.link.ItemReadClick();
    QVERIFY2(rig.waitForBox(ReadDone), qPrintable(rig.dialogs.texts().join('\n')));
    QCOMPARE(rig.image.bytes(), panelImage);
    QCOMPARE(rig.host.restored, 1);
    QVERIFY(QTest::qWaitFor([&] { return rig.host.status() == Linked; }, ConnectTimeoutMs));
    QCOMPARE(rig.dialogs.shown().size(), 1);
}

void SerialPanelTest::fullWrite()
{
    const QString saved = m_dir.filePath(QStringLiteral("written.q22"));
    Rig rig;
    QVERIFY2(rig.connect({QStringLiteral("--save"), saved}), qPrintable(rig.panel.errors()));
    rig.image.assign(SampleConfigs::scatteredBytes(11));
    rig.link.startWrite();
    QVERIFY2(rig.waitForBox(WriteDone), qPrintable(rig.dialogs.texts().join('\n')));
    QCOMPARE(readFile(saved), ConfigFile::Signature + rig.image.bytes());
    QVERIFY(QTest::qWaitFor([&] { return rig.host.status() == Linked; }, ConnectTimeoutMs));
    QCOMPARE(rig.dialogs.shown().size(), 1);
}

void SerialPanelTest::injectedFault_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("box");    // the one box that ends it, or none
    QTest::addColumn<QString>("status"); // the status it ends with, or any
    QTest::addColumn<bool>("transferred");
    QTest::addColumn<bool>("portOpen");

    const QString standAlone = QStringLiteral("Автономный режим.");
    const QString noLink = QStringLiteral("Нет связи");
    QTest::newRow("bad CRC once") << QStringList{"--bad-crc", "5"} << false << ReadDone << QString() << true << true;
    QTest::newRow("block repeated") << QStringList{"--repeat", "3"} << false << ReadDone << QString() << true << true;
    QTest::newRow("bad CRC seven times") << QStringList{"--bad-crc", "5", "--bad-crc-times", "7"} << false
                                         << QStringLiteral("Ошибка чтения конфигурации") << QString() << false << true;
    QTest::newRow("block skipped") << QStringList{"--skip", "4"} << false
                                   << QStringLiteral("Нарушена последовательность блоков. Ждали 4, получили 5")
                                   << QString() << false << true;
    QTest::newRow("silent while read") << QStringList{"--silent-after", "10"} << false << QString() << noLink << false
                                       << true;
    QTest::newRow("hung up while read") << QStringList{"--close-after", "10"} << false << UsbMissing << standAlone
                                        << false << false;
    QTest::newRow("written blocks refused") << QStringList{"--nak", "2"} << true << WriteDone << QString() << true
                                            << true;
    QTest::newRow("fault byte") << QStringList{"--fault"} << true << QStringLiteral("Неисправность оборудование")
                                << standAlone << false << false;
    QTest::newRow("hung up while written") << QStringList{"--close-after", "5"} << true << UsbMissing << standAlone
                                           << false << false;
}

void SerialPanelTest::injectedFault()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, write);
    QFETCH(QString, box);
    QFETCH(QString, status);
    QFETCH(bool, transferred);
    QFETCH(bool, portOpen);

    const QString saved = m_dir.filePath(QStringLiteral("fault.q22"));
    QFile::remove(saved);
    // The panel holds one image, the configurator writes the same one: either
    // way the transfer is judged against it.
    const QByteArray sample = SampleConfigs::scatteredBytes(23);
    const QString held = m_dir.filePath(QStringLiteral("held.q22"));
    QVERIFY(writeFile(held, ConfigFile::Signature + sample));
    Rig rig;
    QVERIFY2(rig.connect(arguments + QStringList{held, QStringLiteral("--save"), saved}), qPrintable(rig.panel.errors()));
    if (write) {
        rig.image.assign(sample);
        rig.link.startWrite();
    } else {
        rig.link.ItemReadClick();
    }

    if (box.isEmpty()) {
        QVERIFY(QTest::qWaitFor([&] { return rig.host.status() == status; }, TransferTimeoutMs));
        QVERIFY(rig.dialogs.shown().isEmpty());
    } else {
        QVERIFY2(rig.waitForBox(box), qPrintable(rig.dialogs.texts().join('\n') + rig.panel.errors()));
        QCOMPARE(rig.dialogs.texts(), QStringList{box});
        if (!status.isEmpty())
            QCOMPARE(rig.host.status(), status);
    }
    QCOMPARE(rig.port.isOpen(), portOpen);
    if (write)
        QCOMPARE(readFile(saved) == ConfigFile::Signature + sample, transferred);
    else if (transferred)
        QCOMPARE(rig.image.bytes(), sample);
}

void SerialPanelTest::panelEnded_data()
{
    QTest::addColumn<QString>("transfer");
    QTest::newRow("while linked") << "none";
    QTest::newRow("in the middle of a read") << "read";
    QTest::newRow("in the middle of a write") << "write";
}

void SerialPanelTest::panelEnded()
{
    QFETCH(QString, transfer);
    const QString held = m_dir.filePath(QStringLiteral("ended.q22"));
    QVERIFY(writeFile(held, ConfigFile::Signature + SampleConfigs::scatteredBytes(31)));
    Rig rig;
    // The panel goes quiet after block 10, so the transfer is surely under way
    // when the panel is ended.
    QVERIFY2(rig.connect({held, QStringLiteral("--silent-after"), QStringLiteral("10")}),
             qPrintable(rig.panel.errors()));
    if (transfer == QLatin1String("read"))
        rig.link.ItemReadClick();
    else if (transfer == QLatin1String("write"))
        rig.link.startWrite();
    if (transfer != QLatin1String("none"))
        QVERIFY(QTest::qWaitFor([&] { return rig.link.vars().BlockNo > 10; }, TransferTimeoutMs));

    // The box runs its own event loop for as long as the user takes to answer,
    // and the lost line goes on reporting its error meanwhile.
    rig.dialogs.onMessage([&](const Dialogs::Message&) {
        if (rig.dialogs.shown().size() == 1)
            QTest::qWait(BoxOpenMs);
    });
    rig.panel.kill();
    QVERIFY2(rig.waitForBox(UsbMissing, ConnectTimeoutMs), qPrintable(rig.dialogs.texts().join('\n')));
    QTest::qWait(BoxOpenMs);

    QCOMPARE(rig.dialogs.texts(), QStringList{UsbMissing});
    QCOMPARE(rig.host.status(), QStringLiteral("Автономный режим."));
    QVERIFY(rig.host.enabled(LinkHost::Item::ItemLink));
    QVERIFY(!rig.port.isOpen());
    QCOMPARE(rig.link.vars().TransferOp, TransferOps::None);

    // A new panel on a new line links as before.
    rig.dialogs.forget();
    QVERIFY2(rig.connect({held}), qPrintable(rig.panel.errors()));
    QVERIFY(rig.dialogs.shown().isEmpty());
}

QTEST_GUILESS_MAIN(SerialPanelTest)
#include "tst_SerialPanel.moc"
