#include "ChListBox.h"
#include "ChannelPages.h"
#include "ChannelsSheet.h"
#include "CheckGroup.h"
#include "EthernetPage.h"
#include "GeneralPage.h"
#include "GprsPage.h"
#include "GroupsModel.h"
#include "GsmPage.h"
#include "MainWindow.h"
#include "RadioGroup.h"
#include "RemotePage.h"
#include "SmsPage.h"
#include "StringGrid.h"
#include "TestPlatform.h"
#include "TextsPage.h"
#include "UserCountSpin.h"
#include "UsersGrid.h"
#include "ZoneGrid.h"
#include "ZoneLinksModel.h"
#include "ZonesPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace L = ImageLayout;

namespace {

struct Shell : TestPlatform {
    MainWindow window{platform()};
    ConfigImage& image = window.image();
    GeneralPage& general = window.generalPage();
    ChannelPages& pages = *general.pageCh();
    ChannelsSheet& sheet = general.channelsSheet();
    ZonesPage& zones = window.zonesPage();
    SmsPage& sms = *pages.sheetVoice;

    void kind(int record, int value) { image.setValue(L::channelField(record, L::Channel::Kind), value); }
    void set(int record, L::Field field, std::uint32_t value) { image.setValue(L::channelField(record, field), value); }
    void restore()
    {
        window.restorePages();
    }
};

QStringList listTexts(const ChListBox& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << QStringLiteral("%1=%2").arg(list.item(row)->text()).arg(list.entryKind(row), 0, 16);
    return texts;
}

} // namespace

class ImageRestorerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void allZeroImageLeavesStandAlone();
    void smsNeedsExactly0x40();
    void channelsAfterStandAloneShowTheSystemEvents();
    void gsmRecordWithUnknownSlot();
    void gprsRecordsFillTheirFieldsAndList();
    void ethernetRecordsFillTheirFieldsAndList();
    void channelBoxesAskNothingWhileLaidOut();
    void zoneTypes_data();
    void zoneTypes();
    void groupsLinksAndUsers();
    void groupTableEndsAtTheFirstEmptyEntry();
    void firstZoneKeepsItsEntryDelay();
    void phones_data();
    void phones();
    void fullSsidAndPasswordAfterIt();
    void ownRemoteRecordComesBack();
    void foreignRemoteRecordTicksTheGprsChannel();
    void textsAndBalanceRequest();
    void generalSettings();
};

void ImageRestorerTest::allZeroImageLeavesStandAlone()
{
    Shell shell;
    shell.sms.phV[0]->setText(QStringLiteral("+380501234567"));
    shell.window.textsPage().alarmMesGrid().setCell(1, 1, QStringLiteral("Тревога"));
    shell.image.clear();
    shell.restore();

    QCOMPARE(shell.general.editAccount()->text(), QStringLiteral("0000"));
    QVERIFY(shell.general.avtBox()->isChecked());
    // Ticking "Автономный" clears the SIM choice after the restore had chosen "Нет Sim-карт".
    QCOMPARE(shell.sheet.simCount->itemIndex(), -1);
    QCOMPARE(shell.sheet.editMac->text(), QStringLiteral("0"));
    for (int zone = 1; zone <= 8; ++zone) {
        QCOMPARE(shell.zones.gridZone().cell(zone, ZoneGrid::RowSensitivity), QStringLiteral("0"));
        for (int row : {1, 3, 4, 5, 6, 7, 8})
            QVERIFY(shell.zones.gridZone().isBlank(zone, row));
    }
    QCOMPARE(shell.zones.groups().count(), 0);
    QCOMPARE(shell.zones.zoneLinks().count(), 0);
    QCOMPARE(shell.zones.userCount().value(), 0);
    QCOMPARE(shell.sms.phV[0]->text(), QStringLiteral("+380501234567"));
    QCOMPARE(shell.window.textsPage().alarmMesGrid().cell(1, 1), QStringLiteral("Тревога"));
    QVERIFY(shell.dialogs.shown().isEmpty());
}

void ImageRestorerTest::smsNeedsExactly0x40()
{
    Shell shell;
    shell.sms.phV[0]->setText(QStringLiteral("+380501111111"));
    shell.kind(1, 0x41);
    shell.image.setText(L::smsPhone(1), QStringLiteral("+380502222222"));
    shell.image.setSlotText(L::AlarmTexts.slot(1), QStringLiteral("Пожар"));
    shell.restore();

    QVERIFY(shell.general.voiceBox()->isChecked());
    QVERIFY(!shell.general.avtBox()->isChecked());
    QCOMPARE(shell.sheet.simCount->itemIndex(), 0);
    QCOMPARE(shell.pages.currentWidget(), shell.pages.sheetVoice);
    QCOMPARE(shell.sms.phV[0]->text(), QStringLiteral("+380501111111"));
    QVERIFY(shell.window.textsPage().alarmMesGrid().cell(1, 1) != QStringLiteral("Пожар"));
}

void ImageRestorerTest::channelsAfterStandAloneShowTheSystemEvents()
{
    Shell shell;
    shell.general.avtBox()->setChecked(true);
    QVERIFY(shell.general.grpSys()->isHidden());
    shell.kind(1, 0x40);
    shell.kind(2, 0x60);
    shell.restore();

    QVERIFY(!shell.general.avtBox()->isChecked());
    QVERIFY(shell.general.voiceBox()->isChecked());
    QVERIFY(!shell.general.grpSys()->isHidden());
    QVERIFY(!shell.pages.isHidden());
    QCOMPARE(shell.sheet.simCount->itemIndex(), 0);
}

void ImageRestorerTest::gsmRecordWithUnknownSlot()
{
    Shell shell;
    shell.kind(3, 0x13);
    shell.set(3, L::Channel::CallCount, 4);
    shell.set(3, L::Channel::GsmTestPeriod, 60);
    shell.image.setText(L::channelField(3, L::Channel::Phone), QStringLiteral("0501234567"));
    shell.restore();

    QVERIFY(shell.general.gsmBox()->isChecked());
    QVERIFY(shell.pages.isPageTabVisible(shell.pages.sheetGSM));
    QCOMPARE(shell.pages.sheetGSM->countCallGSM->value(), 4);
    QCOMPARE(shell.pages.sheetGSM->editTestGSM->value(), 60);
    QVERIFY(shell.pages.sheetGSM->pgsm1->text().isEmpty());
    QVERIFY(shell.pages.sheetGSM->pgsm2->text().isEmpty());
    QCOMPARE(shell.sheet.chListBox->count(), 0);
    QVERIFY(!shell.general.avtBox()->isChecked());
    QVERIFY(shell.pages.isPageTabVisible(shell.pages.remConfSheet));
}

void ImageRestorerTest::gprsRecordsFillTheirFieldsAndList()
{
    Shell shell;
    shell.kind(1, 0x21);
    shell.image.setText(L::channelField(1, L::Channel::Apn), QStringLiteral("internet"));
    shell.image.setOctets(L::channelField(1, L::Channel::Address), {10, 0, 0, 1});
    shell.set(1, L::Channel::Port, 5000);
    shell.set(1, L::Channel::CallCount, 9);
    shell.set(1, L::Channel::Option, 200);
    shell.kind(3, 0x22);
    shell.image.setText(L::channelField(3, L::Channel::Apn), QStringLiteral("ignored"));
    shell.image.setOctets(L::channelField(3, L::Channel::Address), {10, 0, 0, 2});
    shell.set(3, L::Channel::Port, 5001);
    shell.set(3, L::Channel::Option, 200);
    shell.kind(4, 0x23);
    shell.image.setText(L::channelField(4, L::Channel::Apn), QStringLiteral("pbl"));
    shell.image.setOctets(L::channelField(4, L::Channel::Address), {1, 2, 3, 4});
    shell.set(4, L::Channel::Port, 7000);
    shell.set(4, L::Channel::Option, 200);
    shell.set(4, L::Channel::CallCount, 3);   // every record sets the count; the last one stays
    shell.restore();

    GprsPage& gprs = *shell.pages.sheetGPRS;
    QVERIFY(shell.general.gprsBox()->isChecked());
    QVERIFY(shell.pages.isPageTabVisible(&gprs));
    QCOMPARE(shell.pages.currentWidget(), &gprs);
    QCOMPARE(gprs.editApn1->text(), QStringLiteral("internet"));
    QCOMPARE(gprs.editIP1->text(), QStringLiteral("10.0.0.1"));
    QCOMPARE(gprs.vPort1->text(), QStringLiteral("5000"));
    QCOMPARE(gprs.editIP2->text(), QStringLiteral("10.0.0.2"));
    QCOMPARE(gprs.vPort2->text(), QStringLiteral("5001"));
    QCOMPARE(gprs.editAPN_PBL1->text(), QStringLiteral("pbl"));
    QCOMPARE(gprs.editIP->text(), QStringLiteral("1.2.3.4"));
    QCOMPARE(gprs.pblPortEdit->text(), QStringLiteral("7000"));
    QCOMPARE(gprs.countCallGPRS->value(), 3);
    QCOMPARE(gprs.protVPN->itemIndex(), gprs.protVPN->count() - 1);
    QVERIFY(!gprs.lan1->isHidden());
    QCOMPARE(listTexts(*shell.sheet.chListBox),
             (QStringList{QStringLiteral("Sim1 VPN IP1=21"), QStringLiteral("Sim1 VPN IP2=22"),
                          QStringLiteral("Sim1 PBL IP=23")}));
    QCOMPARE(shell.sheet.simCount->itemIndex(), 0);
    QVERIFY(shell.pages.isPageTabVisible(shell.pages.remConfSheet));
    QVERIFY(!shell.general.avtBox()->isChecked());
}

void ImageRestorerTest::ethernetRecordsFillTheirFieldsAndList()
{
    Shell shell;
    shell.kind(1, 0x31);
    shell.image.setOctets(L::channelField(1, L::Channel::Address), {192, 168, 1, 10});
    shell.set(1, L::Channel::Port, 6000);
    shell.kind(5, 0x32);
    shell.image.setOctets(L::channelField(5, L::Channel::Address), {192, 168, 1, 11});
    shell.set(5, L::Channel::Port, 6001);
    shell.image.setOctets(L::channelField(5, L::Channel::OwnAddress), {192, 168, 1, 223});
    shell.image.setOctets(L::channelField(5, L::Channel::GatewayAddress), {192, 168, 1, 1});
    shell.set(5, L::Channel::MacNumber, 123456);
    shell.set(5, L::Channel::LocalPort, 8000);
    shell.set(5, L::Channel::CallCount, 2);
    shell.set(5, L::Channel::Option2, 9);
    shell.restore();

    EthernetPage& ether = *shell.pages.sheetEthernet;
    QVERIFY(shell.general.etherBox()->isChecked());
    QVERIFY(shell.pages.isPageTabVisible(&ether));
    QCOMPARE(shell.pages.currentWidget(), &ether);
    QCOMPARE(ether.editIP1_PCN->text(), QStringLiteral("192.168.1.10"));
    QCOMPARE(ether.editPort1_PCN->text(), QStringLiteral("6000"));
    QCOMPARE(ether.editIP2_PCN->text(), QStringLiteral("192.168.1.11"));
    QCOMPARE(ether.editPort2_PCN->text(), QStringLiteral("6001"));
    QCOMPARE(ether.dhcpIP->text(), QStringLiteral("192.168.1.223"));
    QCOMPARE(ether.shlIP->text(), QStringLiteral("192.168.1.1"));
    QCOMPARE(ether.editPort_Loc->text(), QStringLiteral("8000"));
    QCOMPARE(ether.countCallEt->value(), 2);
    QCOMPARE(ether.dhcpOnOff->itemIndex(), ether.dhcpOnOff->count() - 1);
    QCOMPARE(shell.sheet.editMac->text(), QStringLiteral("123456"));
    QCOMPARE(listTexts(*shell.sheet.chListBox),
             (QStringList{QStringLiteral("Ethernet IP1=31"), QStringLiteral("Ethernet IP2=32")}));
    QCOMPARE(shell.sheet.simCount->itemIndex(), 1);
    QVERIFY(!shell.general.gprsBox()->isChecked());
    QVERIFY(shell.pages.sheetGPRS->lan1->isHidden());
}

void ImageRestorerTest::channelBoxesAskNothingWhileLaidOut()
{
    Shell shell;
    shell.sheet.chListBox->addEntry(QStringLiteral("Sim1 VPN IP1"), 0x21);
    shell.kind(3, 0x11);
    shell.kind(4, 0x21);
    shell.kind(5, 0x31);
    shell.restore();

    QVERIFY(shell.dialogs.shown().isEmpty());
    QVERIFY(shell.general.gsmBox()->isChecked());
    QVERIFY(shell.general.gprsBox()->isChecked());
    QVERIFY(shell.general.etherBox()->isChecked());
    QCOMPARE(listTexts(*shell.sheet.chListBox),
             (QStringList{QStringLiteral("Sim1 Первый номер=11"), QStringLiteral("Sim1 VPN IP1=21"),
                          QStringLiteral("Ethernet IP1=31")}));
    // The reactions are attached again: unticking GSM now asks about the list.
    shell.general.gsmBox()->setChecked(false);
    QCOMPARE(shell.dialogs.texts(), QStringList{QStringLiteral("Список каналов будет очищен. Очистить?")});
}

void ImageRestorerTest::zoneTypes_data()
{
    QTest::addColumn<int>("zoneType");
    QTest::addColumn<int>("entryDelay");
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<QString>("entryText");

    QTest::newRow("arming with siren") << 0x36 << 0 << QList<int>{1, 5, 8} << QString();
    QTest::newRow("interior") << 0x13 << 0 << QList<int>{1, 4, 7} << QStringLiteral("+");
    QTest::newRow("24-hour with siren") << 0x31 << 0 << QList<int>{1, 3, 5} << QString();
    QTest::newRow("entry delay") << 0x12 << 15 << QList<int>{1} << QStringLiteral("15");
    QTest::newRow("perimeter without delay") << 0x14 << 0 << QList<int>{1, 6} << QString();
    QTest::newRow("perimeter with delay") << 0x14 << 20 << QList<int>{1, 6} << QStringLiteral("20");
    QTest::newRow("instant") << 0x15 << 0 << QList<int>{1} << QString();
    QTest::newRow("interior-perimeter") << 0x17 << 0 << QList<int>{1, 4, 6, 7} << QStringLiteral("+");
    QTest::newRow("off") << 0x00 << 0 << QList<int>{} << QString();
    QTest::newRow("off keeps its delay") << 0x00 << 45 << QList<int>{} << QStringLiteral("45");
    QTest::newRow("on without a type") << 0x10 << 0 << QList<int>{} << QString();
    QTest::newRow("unknown type bit") << 0x38 << 0 << QList<int>{1, 5} << QString();
}

void ImageRestorerTest::zoneTypes()
{
    QFETCH(int, zoneType);
    QFETCH(int, entryDelay);
    QFETCH(QList<int>, marked);
    QFETCH(QString, entryText);

    Shell shell;
    constexpr int Zone = 4;
    shell.image.setValue(L::zoneField(Zone, L::Zone::ZoneType), zoneType);
    shell.image.setValue(L::zoneField(Zone, L::Zone::EntryDelay), entryDelay);
    shell.image.setValue(L::zoneField(Zone, L::Zone::Sensitivity), 30);
    shell.restore();

    const ZoneGrid& grid = shell.zones.gridZone();
    QCOMPARE(grid.cell(Zone, ZoneGrid::RowSensitivity), QStringLiteral("300"));
    for (int row : {1, 3, 4, 5, 6, 8})
        QCOMPARE(grid.isMarked(Zone, row), marked.contains(row));
    QCOMPARE(grid.cell(Zone, ZoneGrid::RowEntry), entryText);
}

void ImageRestorerTest::groupsLinksAndUsers()
{
    Shell shell;
    shell.image.setValue(L::groupField(1, L::Group::GrNmb), 1);
    shell.image.setValue(L::groupField(1, L::Group::DelayOut), 35);
    shell.image.setValue(L::groupField(1, L::Group::LedOn), 5);
    shell.image.setValue(L::groupField(2, L::Group::GrNmb), 2);
    shell.image.setValue(L::groupField(2, L::Group::DelayOut), 10);
    for (int zone = 1; zone <= 8; ++zone) {
        shell.image.setValue(L::zoneField(zone, L::Zone::ZoneNo), zone);
        shell.image.setValue(L::zoneField(zone, L::Zone::ZoneClass), zone >= 7 ? 0x10 : 0);
    }
    shell.image.setValue(L::zoneField(3, L::Zone::GroupMask), 0x0103);   // group 9 is beyond the pages
    shell.image.setValue(L::zoneField(7, L::Zone::GroupMask), 0x02);
    for (auto [user, mask] : {std::pair{1, 0x01}, {2, 0x03}, {5, 0x82}})
        shell.image.setValue(L::userField(user, L::User::GroupMask), mask);
    shell.restore();

    const QList<GroupsModel::Group> groups{{1, 35, 5}, {2, 10, 0}};
    QCOMPARE(shell.zones.groups().groups(), groups);
    const QList<ZoneLinksModel::Link> links{{1, QStringLiteral("Z3"), 3}, {2, QStringLiteral("Z3"), 3},
                                            {2, QStringLiteral("K1"), 7}};
    QCOMPARE(shell.zones.zoneLinks().links(), links);
    QCOMPARE(shell.zones.currentGroupRow(), 0);
    QCOMPARE(shell.general.dlExt()->value(), 35);
    QCOMPARE(shell.zones.ackArm().value(), 5);
    QCOMPARE(shell.zones.userCount().value(), 3);
    const UsersGrid& users = shell.zones.gridUsers();
    QVERIFY(users.isMarked(1, 1));
    QVERIFY(users.isMarked(2, 2));
    QVERIFY(users.isMarked(2, 5));
    QVERIFY(users.isMarked(8, 5));
    QVERIFY(!users.isMarked(1, 5));
    QVERIFY(users.isBlank(1, 3));
}

void ImageRestorerTest::groupTableEndsAtTheFirstEmptyEntry()
{
    Shell shell;
    shell.image.setValue(L::groupField(2, L::Group::GrNmb), 2);
    shell.image.setValue(L::groupField(2, L::Group::DelayOut), 10);
    shell.restore();
    QCOMPARE(shell.zones.groups().count(), 0);
}

void ImageRestorerTest::firstZoneKeepsItsEntryDelay()
{
    Shell shell;
    shell.general.dlExt()->setValue(10);
    shell.image.setValue(L::groupField(1, L::Group::GrNmb), 1);
    shell.image.setValue(L::groupField(1, L::Group::DelayOut), 45);
    shell.image.setValue(L::zoneField(1, L::Zone::ZoneType), 0x12);
    shell.image.setValue(L::zoneField(1, L::Zone::EntryDelay), 15);
    shell.image.setValue(L::zoneField(1, L::Zone::GroupMask), 0x01);
    shell.restore();

    QCOMPARE(shell.general.dlExt()->value(), 45);
    QCOMPARE(shell.zones.groups().group(0).DelayOut, 45);
    QCOMPARE(shell.zones.gridZone().cell(1, ZoneGrid::RowEntry), QStringLiteral("15"));
}

void ImageRestorerTest::phones_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("callBit");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("opened");

    QTest::newRow("full number with a call") << QByteArray("+380501234567") << true << QStringLiteral("+380501234567") << true;
    QTest::newRow("full number without a call") << QByteArray("+380501234567") << false << QStringLiteral("+380501234567") << true;
    QTest::newRow("one zero byte among the 13")
        << QByteArray("+380\0" "50123456", 13) << true << QStringLiteral("+38050123456") << false;
    QTest::newRow("empty") << QByteArray() << true << QString() << false;
}

void ImageRestorerTest::phones()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, callBit);
    QFETCH(QString, shown);
    QFETCH(bool, opened);

    Shell shell;
    shell.kind(1, 0x40);
    shell.kind(2, 0x60);
    shell.image.setChars(L::smsPhone(2), stored);
    shell.set(1, L::Channel::CallMask, callBit ? 0x02 : 0);
    shell.restore();

    QCOMPARE(shell.sms.phV[1]->text(), shown);
    QCOMPARE(shell.sms.phV[1]->isEnabled(), opened);
    QCOMPARE(shell.sms.chkCh[1]->isChecked(), opened && callBit);
    if (opened)
        QVERIFY(shell.sms.chkCh[1]->isEnabled());
    QVERIFY(shell.general.voiceBox()->isChecked());
    QVERIFY(shell.pages.isPageTabVisible(&shell.sms));
}

void ImageRestorerTest::fullSsidAndPasswordAfterIt()
{
    Shell shell;
    const QString ssid(32, QLatin1Char('S'));
    shell.image.setText(L::WifiSsid, ssid);
    shell.image.setText(L::WifiPassword, QStringLiteral("secret12"));
    shell.image.setValue(L::WifiSecured, 1);
    shell.restore();

    EthernetPage& ether = *shell.pages.sheetEthernet;
    QCOMPARE(ether.edtSSID->text(), ssid);
    QCOMPARE(ether.edtPassWF->text(), QStringLiteral("secret12"));
    QVERIFY(!ether.chkOpenWF->isChecked());
}

void ImageRestorerTest::ownRemoteRecordComesBack()
{
    Shell shell;
    shell.kind(1, 0x40);
    shell.set(1, L::Channel::MacNumber, 5);
    shell.kind(2, 0x60);
    shell.image.setOctets(L::channelField(2, L::Channel::Address), {192, 168, 5, 6});
    shell.set(2, L::Channel::Port, 9991);
    shell.set(2, L::Channel::LocalPort, 9998);
    shell.set(2, L::Channel::MacNumber, 4000000000u);
    shell.image.setText(L::channelField(2, L::Channel::Apn), QStringLiteral("remote.apn"));
    shell.restore();

    RemotePage& remote = *shell.pages.remConfSheet;
    QCOMPARE(remote.confIPEdit->text(), QStringLiteral("192.168.5.6"));
    QCOMPARE(shell.general.confPortEdit()->text(), QStringLiteral("9991"));
    QCOMPARE(shell.pages.sheetEthernet->editPort_Loc->text(), QStringLiteral("9998"));
    QCOMPARE(remote.confAPNEdit->text(), QStringLiteral("remote.apn"));
    QCOMPARE(shell.sheet.editMac->text(), QStringLiteral("4000000000"));
    QVERIFY(!remote.confGPRSCheck->isChecked());
}

void ImageRestorerTest::foreignRemoteRecordTicksTheGprsChannel()
{
    Shell shell;
    shell.kind(1, 0x40);
    shell.set(1, L::Channel::MacNumber, 5);
    shell.image.setOctets(L::channelField(2, L::Channel::Address), {10, 1, 2, 3});
    shell.set(2, L::Channel::Port, 4321);
    shell.set(2, L::Channel::MacNumber, 77);
    shell.image.setText(L::channelField(2, L::Channel::Apn), QStringLiteral("apn"));
    shell.restore();

    RemotePage& remote = *shell.pages.remConfSheet;
    QVERIFY(remote.confGPRSCheck->isChecked());
    QVERIFY(!remote.confGPRSBox->isHidden());
    QCOMPARE(remote.confIPEdit->text(), QStringLiteral("10.1.2.3"));
    QCOMPARE(shell.general.confPortEdit()->text(), QStringLiteral("4321"));
    QVERIFY(remote.confAPNEdit->text().isEmpty());
    QCOMPARE(shell.sheet.editMac->text(), QStringLiteral("5"));
}

void ImageRestorerTest::textsAndBalanceRequest()
{
    Shell shell;
    shell.kind(1, 0x40);
    shell.kind(2, 0x60);
    TextsPage& texts = shell.window.textsPage();
    texts.statusGrid().setCell(1, 2, QStringLiteral("old"));
    shell.image.setSlotText(L::AlarmTexts.slot(16), QStringLiteral("Пожар в зоне №5"));
    shell.image.setSlotText(L::SystemTexts.slot(1), QStringLiteral("Ёлка"));
    shell.image.setSlotText(L::ArmTexts.slot(32), QStringLiteral("Взят 32"));
    shell.image.setSlotText(L::DisarmTexts.slot(1), QStringLiteral("Снят 1"));
    shell.image.setSlotText(L::GroupNames.slot(8), QStringLiteral("Склад"));
    shell.image.setSlotText(L::StatusTexts.slot(4), QStringLiteral("Норма"));
    shell.image.setText(L::BalanceRequest, QStringLiteral("*111#"));
    shell.restore();

    QCOMPARE(texts.alarmMesGrid().cell(1, 16), QStringLiteral("Пожар в зоне №5"));
    QCOMPARE(texts.sysMesGrid().cell(1, 1), QStringLiteral("Ёлка"));
    QCOMPARE(texts.armMesGrid().cell(1, 32), QStringLiteral("Взят 32"));
    QCOMPARE(texts.armMesGrid().cell(2, 1), QStringLiteral("Снят 1"));
    QCOMPARE(texts.grNameGrid().cell(1, 8), QStringLiteral("Склад"));
    QCOMPARE(texts.statusGrid().cell(1, 4), QStringLiteral("Норма"));
    QVERIFY(texts.statusGrid().cell(1, 2).isEmpty());   // every slot is read, empty ones too
    QCOMPARE(shell.sms.edtBl->text(), QStringLiteral("*111#"));
    QVERIFY(!shell.sheet.chList->isEnabled());
}

void ImageRestorerTest::generalSettings()
{
    Shell shell;
    shell.set(1, L::Channel::Account, 0x00AB);
    shell.set(1, L::Channel::TestPeriod, 12);
    shell.image.setValue(L::FirmwareVersion, 7);
    shell.image.setChars(L::UpdatePhone, QByteArray("067\0" "1234", 8));
    shell.image.setText(L::UpdateApn, QStringLiteral("upd.apn"));
    shell.image.setText(L::UpdateServer, QStringLiteral("ftp.example.com/firmware"));
    shell.image.setChars(L::BlockPhone, QByteArray("12\0" "3", 4));
    shell.image.setText(L::UnblockPhone, QStringLiteral("456"));
    shell.image.setValue(L::SendGsmLevel, 1);
    shell.image.setValue(L::SirenTime, 36);
    shell.image.setValue(L::KeyboardMode, 0x05);
    shell.image.setValue(L::TamperPanelEvents, 0x01);
    shell.image.setValue(L::TamperKeyboardEvents, 0x02);
    shell.image.setValue(L::KeyboardLinkEvents, 0x03);
    shell.image.setValue(L::BatteryEvents, 0x00);
    shell.image.setValue(L::MainsEvents, 0xFF);
    shell.restore();

    QCOMPARE(shell.general.editAccount()->text(), QStringLiteral("00AB"));
    QCOMPARE(shell.general.editTestTL()->value(), 60);
    RemotePage& remote = *shell.pages.remConfSheet;
    QCOMPARE(remote.verSim->text(), QStringLiteral("7"));
    QCOMPARE(remote.phoneUpEdit->text(), QStringLiteral("0671234"));
    QCOMPARE(remote.upAPNEdit->text(), QStringLiteral("upd.apn"));
    // Longer than a user may type there: the image's text still arrives whole.
    QCOMPARE(remote.ftpEdit->text(), QStringLiteral("ftp.example.com/firmware"));
    QCOMPARE(shell.general.phBlkEdit()->text(), QStringLiteral("123"));
    QCOMPARE(shell.general.phUnBlkEdit()->text(), QStringLiteral("456"));
    QVERIFY(shell.sheet.chkGL->isChecked());
    QCOMPARE(shell.general.delaySiren()->value(), 180);
    QCOMPARE(shell.general.armBox()->itemIndex(), 1);
    QVERIFY(shell.general.chkAA()->isChecked());
    const auto bits = [](const CheckGroup* box) { return int(box->isChecked(0)) | int(box->isChecked(1)) << 1; };
    QCOMPARE(bits(shell.general.boxTmpr()), 1);
    QCOMPARE(bits(shell.general.boxTmpKbd()), 2);
    QCOMPARE(bits(shell.general.boxLnkKbd()), 3);
    QCOMPARE(bits(shell.general.boxDC()), 0);
    QCOMPARE(bits(shell.general.boxAC()), 3);
}

QTEST_MAIN(ImageRestorerTest)
#include "tst_ImageRestorer.moc"
