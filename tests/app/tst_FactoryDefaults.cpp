#include "ChannelPages.h"
#include "CheckGroup.h"
#include "ConfigImage.h"
#include "EthernetPage.h"
#include "GeneralPage.h"
#include "GprsPage.h"
#include "GroupsModel.h"
#include "GsmPage.h"
#include "ImageBuilder.h"
#include "MainWindow.h"
#include "RadioGroup.h"
#include "RemotePage.h"
#include "SmsPage.h"
#include "TestPlatform.h"
#include "TextsPage.h"
#include "UsersGrid.h"
#include "ZoneGrid.h"
#include "ZoneLinksModel.h"
#include "ZonesPage.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

struct Shell : TestPlatform {
    MainWindow window{platform()};

    Shell() { window.show(); }

    GeneralPage& general() { return window.generalPage(); }
    ChannelPages& pageCh() { return *general().pageCh(); }
    ZoneGrid& zones() { return window.zonesPage().gridZone(); }
    QAction* item(const char* name) { return window.findChild<QAction*>(name); }
    QStringList linkedZones()
    {
        QStringList names;
        for (const ZoneLinksModel::Link& link : window.zonesPage().zoneLinks().links())
            names << QStringLiteral("%1:%2").arg(link.GrNmb).arg(link.Name);
        return names;
    }
};

} // namespace

class FactoryDefaultsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsStandAloneInTheFactoryConfiguration();
    void zoneGridAfterStart_data();
    void zoneGridAfterStart();
    void groupsAndUsersAfterStart();
    void startUpRunsOnlyOnTheFirstShowing();
    void commandClearsTheImage();
    void zonePutInUseStaysInUse();
    void keyboardIsSwitchedOff();
    void keyboardZonesBecomeInteriorWhenSwitchedOn();
    void commandResetsEditedSettings();
};

void FactoryDefaultsTest::startsStandAloneInTheFactoryConfiguration()
{
    Shell shell;
    GeneralPage& general = shell.general();
    QCOMPARE(shell.window.findChild<QLabel*>("SB")->text(), QStringLiteral("Автономный режим."));
    QVERIFY(!shell.item("ItemRead")->isEnabled());
    QVERIFY(!shell.item("ItemWr")->isEnabled());
    QVERIFY(shell.window.findChild<QPushButton*>("WrBtn")->isHidden());
    QVERIFY(shell.window.findChild<QProgressBar*>("Gauge")->isHidden());
    QVERIFY(shell.dialogs.shown().isEmpty());

    QVERIFY(general.voiceBox()->isChecked());
    for (QCheckBox* box : {general.gsmBox(), general.gprsBox(), general.etherBox(), general.avtBox()})
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    QCOMPARE(general.editAccount()->text(), QStringLiteral("EC22"));
    QCOMPARE(general.delaySiren()->value(), 20);
    QCOMPARE(shell.pageCh().sheetGSM->countCallGSM->value(), 3);
    QCOMPARE(shell.pageCh().sheetGPRS->countCallGPRS->value(), 7);
    QCOMPARE(shell.pageCh().sheetEthernet->countCallEt->value(), 7);
    QCOMPARE(shell.pageCh().sheetGSM->editTestGSM->value(), 60);
    QCOMPARE(general.editTestTL()->value(), 30);
    QCOMPARE(general.armBox()->itemIndex(), 0);
    for (CheckGroup* box : {general.boxTmpr(), general.boxDC(), general.boxAC()})
        QVERIFY(box->isChecked(0) && box->isChecked(1));
    for (CheckGroup* box : {general.boxTmpKbd(), general.boxLnkKbd()})
        QVERIFY(!box->isChecked(0) && !box->isChecked(1));
    QCOMPARE(shell.pageCh().currentWidget(), shell.pageCh().sheetVoice);
    QVERIFY(shell.pageCh().isVisible());
    QVERIFY(shell.pageCh().remConfSheet->verSim->text().isEmpty());
    QCOMPARE(general.phBlkEdit()->maxLength(), 10);
    QCOMPARE(general.phUnBlkEdit()->maxLength(), 10);
    QCOMPARE(shell.window.findChild<QTabWidget*>("PageConfig")->currentWidget(),
             shell.window.findChild<QWidget*>("SheetPblSet"));
    QCOMPARE(shell.window.image().bytes(), QByteArray(ImageLayout::ImageSize, '\0'));
}

void FactoryDefaultsTest::zoneGridAfterStart_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("cells");  // Z1..Z6, K1, K2
    QTest::newRow("Включен") << 1 << QStringList{"+", "+", "", "", "", "", "", ""};
    QTest::newRow("Чувствит., мс") << 2 << QStringList{"60", "60", "60", "60", "60", "60", "60", "60"};
    QTest::newRow("Круглосуточный") << 3 << QStringList{"", "", "", "", "", "", "", ""};
    QTest::newRow("Интерьер") << 4 << QStringList{"", "+", "", "", "", "", "+", "+"};
    QTest::newRow("Сирена") << 5 << QStringList{"+", "+", "+", "+", "+", "+", "+", "+"};
    QTest::newRow("Периметр") << 6 << QStringList{"", "", "", "", "", "", "", ""};
    QTest::newRow("Вход, с") << 7 << QStringList{"30", "", "", "", "", "", "", ""};
    QTest::newRow("Постановочный") << 8 << QStringList{"", "", "", "", "", "", "", ""};
}

void FactoryDefaultsTest::zoneGridAfterStart()
{
    QFETCH(int, row);
    QFETCH(QStringList, cells);
    Shell shell;
    QStringList actual;
    for (int zone = 1; zone <= 8; ++zone)
        actual << shell.zones().cell(zone, row).trimmed();
    QCOMPARE(actual, cells);
}

void FactoryDefaultsTest::groupsAndUsersAfterStart()
{
    Shell shell;
    ZonesPage& zones = shell.window.zonesPage();
    QCOMPARE(zones.groups().groups(), (QList<GroupsModel::Group>{{1, 30, 0}}));
    QCOMPARE(shell.linkedZones(), (QStringList{"1:Z1", "1:Z2"}));
    QCOMPARE(shell.general().dlExt()->value(), 30);
    for (int user = 1; user <= 32; ++user)
        QVERIFY(zones.gridUsers().isMarked(1, user));
    QCOMPARE(ImageBuilder::ZoneTypeOf(shell.zones(), 1), 0x32);
    QCOMPARE(ImageBuilder::ZoneTypeOf(shell.zones(), 2), 0x33);
}

void FactoryDefaultsTest::startUpRunsOnlyOnTheFirstShowing()
{
    Shell shell;
    shell.general().editAccount()->setText(QStringLiteral("AB12"));
    shell.window.hide();
    shell.window.show();
    QCOMPARE(shell.general().editAccount()->text(), QStringLiteral("AB12"));
}

void FactoryDefaultsTest::commandClearsTheImage()
{
    Shell shell;
    shell.window.image().assign(QByteArray(ImageLayout::ImageSize, '\x5a'));
    shell.item("ItemDefault")->trigger();
    QCOMPARE(shell.window.image().bytes(), QByteArray(ImageLayout::ImageSize, '\0'));
    QVERIFY(shell.dialogs.shown().isEmpty());
}

void FactoryDefaultsTest::zonePutInUseStaysInUse()
{
    Shell shell;
    shell.zones().setCell(3, ZoneGrid::RowOn, StringGrid::Mark);
    shell.zones().setCell(3, ZoneGrid::Row24Hour, StringGrid::Mark);
    shell.item("ItemDefault")->trigger();
    QVERIFY(shell.zones().isMarked(3, ZoneGrid::RowOn));
    QVERIFY(shell.zones().isBlank(3, ZoneGrid::Row24Hour));
    QCOMPARE(shell.linkedZones(), (QStringList{"1:Z1", "1:Z2", "1:Z3"}));
    QCOMPARE(shell.window.zonesPage().groups().count(), 1);
}

void FactoryDefaultsTest::keyboardIsSwitchedOff()
{
    Shell shell;
    GeneralPage& general = shell.general();
    general.armBox()->setItemIndex(1);
    QVERIFY(shell.zones().isMarked(7, ZoneGrid::RowOn));
    QVERIFY(!general.boxTmpKbd()->isHidden());
    general.boxTmpKbd()->setChecked(0, true);

    shell.item("ItemDefault")->trigger();
    QCOMPARE(general.armBox()->itemIndex(), 0);
    QVERIFY(shell.zones().isBlank(7, ZoneGrid::RowOn));
    QVERIFY(shell.zones().isBlank(8, ZoneGrid::RowOn));
    QVERIFY(general.boxTmpKbd()->isHidden());
    QVERIFY(general.boxLnkKbd()->isHidden());
    QVERIFY(!general.boxTmpKbd()->isChecked(0));
    QCOMPARE(shell.linkedZones(), (QStringList{"1:Z1", "1:Z2"}));
}

void FactoryDefaultsTest::keyboardZonesBecomeInteriorWhenSwitchedOn()
{
    Shell shell;
    shell.general().armBox()->setItemIndex(1);
    QCOMPARE(ImageBuilder::ZoneTypeOf(shell.zones(), 7), 0x33);
    QCOMPARE(ImageBuilder::ZoneTypeOf(shell.zones(), 8), 0x33);
}

void FactoryDefaultsTest::commandResetsEditedSettings()
{
    Shell shell;
    GeneralPage& general = shell.general();
    general.editAccount()->setText(QStringLiteral("1234"));
    general.delaySiren()->setValue(300);
    general.avtBox()->setChecked(true);
    QVERIFY(!general.voiceBox()->isChecked());
    general.phBlkEdit()->setText(QStringLiteral("0501234567"));
    shell.window.textsPage().sysMesGrid().setCell(1, 1, QStringLiteral("x"));
    shell.window.zonesPage().gridUsers().setCell(1, 5, UsersGrid::NoMark);
    shell.dialogs.forget();

    shell.item("ItemDefault")->trigger();
    QCOMPARE(general.editAccount()->text(), QStringLiteral("EC22"));
    QCOMPARE(general.delaySiren()->value(), 20);
    QVERIFY(general.voiceBox()->isChecked());
    QVERIFY(!general.avtBox()->isChecked());
    QVERIFY(shell.pageCh().isVisible());
    QVERIFY(general.phBlkEdit()->text().isEmpty());
    QVERIFY(shell.window.textsPage().sysMesGrid().cell(1, 1) != QStringLiteral("x"));
    QVERIFY(shell.window.zonesPage().gridUsers().isMarked(1, 5));
    QVERIFY(shell.dialogs.shown().isEmpty());
}

QTEST_MAIN(FactoryDefaultsTest)
#include "tst_FactoryDefaults.moc"
