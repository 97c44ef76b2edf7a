// A configuration that arrives in the window, from a file or from a panel,
// shows up on the pages.
#include "TestFiles.h"
#include "ChannelPages.h"
#include "ConfigFile.h"
#include "ConfigFiles.h"
#include "FixedSettingsStore.h"
#include "GeneralPage.h"
#include "GroupsModel.h"
#include "ImageBuilder.h"
#include "PanelLink.h"
#include "MainWindow.h"
#include "QtSerialPort.h"
#include "QtTickClock.h"
#include "RemotePage.h"
#include "ScriptedDialogs.h"
#include "SmsPage.h"
#include "StringGrid.h"
#include "TestPlatform.h"
#include "TextsPage.h"
#include "UserCountSpin.h"
#include "UsersGrid.h"
#include "VirtualPanel.h"
#include "ZoneGrid.h"
#include "ZonesPage.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace L = ImageLayout;

namespace {

const QString Linked = QStringLiteral("ППК подключен по USB.");
const QString ReadDonePrefix = QStringLiteral("Чтение конфигурации ППК ");
const QString WriteDone = QStringLiteral("Запись конфигурации ППК 5A17 выполнена.");
constexpr int ConnectTimeoutMs = 5000;
constexpr int TransferTimeoutMs = 30000;

// A configuration far from the factory one, set up as the configurator writes it.
ConfigImage sampleImage()
{
    ConfigImage image;
    image.setValue(L::channelField(1, L::Channel::Kind), 0x40);
    image.setValue(L::channelField(1, L::Channel::Account), 0x5A17);
    image.setValue(L::channelField(1, L::Channel::CallMask), 0x05);
    image.setValue(L::channelField(2, L::Channel::Kind), 0x60);
    image.setOctets(L::channelField(2, L::Channel::Address), {10, 20, 30, 40});
    image.setValue(L::channelField(2, L::Channel::Port), 9100);
    image.setValue(L::channelField(2, L::Channel::LocalPort), 9200);
    image.setValue(L::channelField(2, L::Channel::MacNumber), 4242);
    image.setText(L::channelField(2, L::Channel::Apn), QStringLiteral("conf.apn"));
    for (int n = 1; n <= 3; ++n)
        image.setText(L::smsPhone(n), QStringLiteral("+38050000000%1").arg(n));
    image.setSlotText(L::AlarmTexts.slot(1), QStringLiteral("Тревога Z1"));
    image.setSlotText(L::GroupNames.slot(1), QStringLiteral("Офис"));
    image.setText(L::BalanceRequest, QStringLiteral("*100#"));
    image.setText(L::WifiSsid, QStringLiteral("office-net"));
    image.setText(L::WifiPassword, QStringLiteral("pass1234"));
    image.setValue(L::WifiSecured, 1);
    image.setValue(L::KeyboardMode, 0x05);
    image.setValue(L::SirenTime, 24);
    image.setValue(L::LayoutMark, L::LayoutMarkValue);
    for (int zone = 1; zone <= 8; ++zone) {
        image.setValue(L::zoneField(zone, L::Zone::Marker), L::Zone::MarkerValue);
        image.setValue(L::zoneField(zone, L::Zone::ZoneNo), zone);
        image.setValue(L::zoneField(zone, L::Zone::Sensitivity), 30);
        image.setValue(L::zoneField(zone, L::Zone::ZoneClass), zone >= 7 ? L::Zone::KeyboardClass : 0);
    }
    image.setValue(L::zoneField(2, L::Zone::ZoneType), 0x34);
    image.setValue(L::zoneField(2, L::Zone::EntryDelay), 20);
    image.setValue(L::zoneField(2, L::Zone::GroupMask), 0x03);
    image.setValue(L::zoneField(8, L::Zone::ZoneType), 0x11);
    image.setValue(L::zoneField(8, L::Zone::GroupMask), 0x02);
    image.setValue(L::groupField(1, L::Group::GrNmb), 1);
    image.setValue(L::groupField(1, L::Group::DelayOut), 45);
    image.setValue(L::groupField(2, L::Group::GrNmb), 2);
    image.setValue(L::groupField(2, L::Group::LedOn), 10);
    for (int user = 1; user <= 4; ++user) {
        image.setValue(L::userField(user, L::User::UserNo), user);
        image.setValue(L::userField(user, L::User::GroupMask), user == 4 ? 0x02 : 0x01);
    }
    return image;
}

void verifySampleOnPages(MainWindow& window)
{
    GeneralPage& general = window.generalPage();
    ChannelPages& pages = *general.pageCh();
    QCOMPARE(general.editAccount()->text(), QStringLiteral("5A17"));
    QVERIFY(general.voiceBox()->isChecked());
    QVERIFY(!general.avtBox()->isChecked());
    for (int n = 0; n < 3; ++n)
        QCOMPARE(pages.sheetVoice->phV[n]->text(), QStringLiteral("+38050000000%1").arg(n + 1));
    QVERIFY(pages.sheetVoice->chkCh[0]->isChecked());
    QVERIFY(!pages.sheetVoice->chkCh[1]->isChecked());
    QVERIFY(pages.sheetVoice->chkCh[2]->isChecked());
    QVERIFY(pages.sheetVoice->phV[3]->text().isEmpty());
    QCOMPARE(pages.sheetVoice->edtBl->text(), QStringLiteral("*100#"));
    QCOMPARE(pages.remConfSheet->confIPEdit->text(), QStringLiteral("10.20.30.40"));
    QCOMPARE(general.confPortEdit()->text(), QStringLiteral("9100"));
    QCOMPARE(window.textsPage().alarmMesGrid().cell(1, 1), QStringLiteral("Тревога Z1"));
    QCOMPARE(window.textsPage().grNameGrid().cell(1, 1), QStringLiteral("Офис"));
    QCOMPARE(general.delaySiren()->value(), 120);
    const ZoneGrid& zones = window.zonesPage().gridZone();
    QVERIFY(zones.isMarked(2, ZoneGrid::RowPerimeter));
    QVERIFY(zones.isMarked(2, ZoneGrid::RowSiren));
    QCOMPARE(zones.cell(2, ZoneGrid::RowEntry), QStringLiteral("20"));
    QVERIFY(zones.isMarked(8, ZoneGrid::Row24Hour));
    QCOMPARE(window.zonesPage().groups().count(), 2);
    QCOMPARE(general.dlExt()->value(), 45);
    QCOMPARE(window.zonesPage().userCount().value(), 4);
    QVERIFY(window.zonesPage().gridUsers().isMarked(2, 4));
}

QAction* menuItem(const MainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

struct Shell : TestPlatform {
    MainWindow window{platform()};
};

// The window on a real serial port and clock; only the dialogs answer from a script.
struct SerialShell {
    QtTickClock clock;
    ScriptedDialogs dialogs;
    QtSerialPort port;
    FakeDatagramSocket udp;
    FixedSettingsStore settings;
    MemoryPreferences preferences;
    MainWindow window{Platform{dialogs, clock, port, udp, settings, preferences}};
    VirtualPanel panel;

    QString status() const { return window.findChild<QLabel*>(QStringLiteral("SB"))->text(); }
    bool boxShown(const QString& text, int timeoutMs)
    {
        return QTest::qWaitFor([&] { return dialogs.texts().contains(text); }, timeoutMs);
    }
    // The write command up to the write start, on the pages as they stand.
    bool writeBack()
    {
        ImageBuilder builder(window.image(), dialogs, window.generalPage(), window.zonesPage(), window.textsPage(),
                             {*window.findChild<QTabWidget*>(QStringLiteral("PageConfig")),
                              *window.findChild<QWidget*>(QStringLiteral("SheetPblSet")),
                              *window.findChild<QWidget*>(QStringLiteral("SheetZones"))});
        if (builder.build() != ImageBuilder::Result::Complete)
            return false;
        window.link().startWrite();
        return true;
    }
};

} // namespace

class RestoreInWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void loadShowsTheFileOnThePages();
    void refusedLoadLeavesThePages();
    void panelReadShowsTheImageOnThePages();

private:
    QTemporaryDir m_dir;
};

void RestoreInWindowTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void RestoreInWindowTest::loadShowsTheFileOnThePages()
{
    const QString path = m_dir.filePath(QStringLiteral("sample.q22"));
    QVERIFY(writeFile(path, ConfigFile::Signature + sampleImage().bytes()));
    Shell shell;
    shell.dialogs.answerOpen(path);
    menuItem(shell.window, "ItemLoad")->trigger();

    QVERIFY2(shell.dialogs.shown().isEmpty(), qPrintable(shell.dialogs.texts().join('\n')));
    QCOMPARE(shell.window.image().bytes(), sampleImage().bytes());
    QVERIFY(shell.window.generalPage().pageCh()->remConfSheet->verSim->isReadOnly());
    verifySampleOnPages(shell.window);
}

void RestoreInWindowTest::refusedLoadLeavesThePages()
{
    const QString path = m_dir.filePath(QStringLiteral("sample.bin"));
    QVERIFY(writeFile(path, ConfigFile::Signature + sampleImage().bytes()));
    Shell shell;
    shell.window.generalPage().editAccount()->setText(QStringLiteral("EC22"));
    shell.dialogs.answerOpen(path);
    menuItem(shell.window, "ItemLoad")->trigger();
    QCOMPARE(shell.window.generalPage().editAccount()->text(), QStringLiteral("EC22"));
}

void RestoreInWindowTest::panelReadShowsTheImageOnThePages()
{
    QVERIFY2(QFile::exists(VirtualPanel::program()), qPrintable(VirtualPanel::program()));
    const QString sent = m_dir.filePath(QStringLiteral("panel.q22"));
    const QString written = m_dir.filePath(QStringLiteral("written.q22"));
    QVERIFY(writeFile(sent, ConfigFile::Signature + sampleImage().bytes()));

    SerialShell shell;
    QVERIFY2(shell.panel.start({sent, QStringLiteral("--save"), written}), qPrintable(shell.panel.errors()));
    shell.dialogs.answerPort(shell.panel.devicePath());
    menuItem(shell.window, "USB2")->trigger();
    QVERIFY(QTest::qWaitFor([&] { return shell.status() == Linked; }, ConnectTimeoutMs));

    menuItem(shell.window, "ItemRead")->trigger();
    QVERIFY(QTest::qWaitFor(
        [&] { return !shell.dialogs.shown().isEmpty() && shell.dialogs.last().text.startsWith(ReadDonePrefix); },
        TransferTimeoutMs));
    QCOMPARE(shell.window.image().bytes(), sampleImage().bytes());
    verifySampleOnPages(shell.window);
    QVERIFY(shell.window.generalPage().pageCh()->remConfSheet->verSim->isReadOnly());
    QVERIFY(QTest::qWaitFor([&] { return shell.status() == Linked; }, ConnectTimeoutMs));
    QCOMPARE(shell.dialogs.shown().size(), 1);

    // Written back untouched, the panel gets exactly what it sent.
    QVERIFY(shell.writeBack());
    QVERIFY2(shell.boxShown(WriteDone, TransferTimeoutMs), qPrintable(shell.dialogs.texts().join('\n')));
    QCOMPARE(readFile(written), ConfigFile::Signature + sampleImage().bytes());
}

QTEST_MAIN(RestoreInWindowTest)
#include "tst_RestoreInWindow.moc"
