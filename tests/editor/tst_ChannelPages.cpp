#include "GeneralPageHarness.h"
#include "RadioGroup.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

namespace {

const QString FormatMessage = QStringLiteral("Нарушен формат номера телефона для получения СМС. (+380ххххххххх)");

QString rowName(const char* stem, int k)
{
    return QLatin1String(stem) + QString::number(k);
}

} // namespace

class ChannelPagesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void smsRowChaining_data();
    void smsRowChaining();
    void deletingANumberClosesTheNextRowButKeepsItsField();
    void callCounterClamp_data();
    void callCounterClamp();
    void vpnChaining();
    void updateApnFollowsTheVpnApn();
    void pblApnGoesWithThePblAddress();
    void dhcp();
    void dhcpAddressIsCopiedAtOnce();
    void openWifiHidesThePassword();
    void pageSwitchRefreshesRemoteGroupsAndEthernetAddresses();
};

void ChannelPagesTest::smsRowChaining_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("nextField");
    QTest::addColumn<bool>("nextLabel");
    QTest::addColumn<bool>("callBox");
    QTest::addColumn<int>("formatMessages");

    QTest::newRow("13 with plus") << 1 << "+380501234567" << true << true << true << 0;
    QTest::newRow("12 with plus") << 1 << "+38050123456" << true << true << true << 0;
    QTest::newRow("11 with plus") << 1 << "+3805012345" << false << false << false << 0;
    QTest::newRow("13 digits") << 1 << "3805012345678" << true << false << false << 2;
    QTest::newRow("last row") << 6 << "+380501234567" << false << false << true << 0;
    QTest::newRow("middle row") << 3 << "+380501234567" << true << true << true << 0;
}

void ChannelPagesTest::smsRowChaining()
{
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(bool, nextField);
    QFETCH(bool, nextLabel);
    QFETCH(bool, callBox);
    QFETCH(int, formatMessages);

    GeneralPageHarness harness;
    QLineEdit* field = harness.edit(qPrintable(rowName("PhV", row)));
    field->setEnabled(true);
    QTest::keyClicks(field, typed);

    QCOMPARE(field->text(), typed);
    if (row < 6) {
        QCOMPARE(harness.edit(qPrintable(rowName("PhV", row + 1)))->isEnabled(), nextField);
        QCOMPARE(harness.find<QLabel>(qPrintable(rowName("lblP", row + 1)))->isEnabled(), nextLabel);
    }
    QCOMPARE(harness.find<QCheckBox>(qPrintable(rowName("chkCh", row)))->isEnabled(), callBox);
    QCOMPARE(harness.dialogs.texts().count(FormatMessage), formatMessages);
    if (formatMessages > 0) {
        QCOMPARE(harness.dialogs.last().caption, QStringLiteral("Ошибка"));
        QCOMPARE(harness.dialogs.last().icon, Dialogs::Icon::Stop);
    }
}

void ChannelPagesTest::deletingANumberClosesTheNextRowButKeepsItsField()
{
    GeneralPageHarness harness;
    for (int k = 1; k <= 4; ++k)
        QTest::keyClicks(harness.edit(qPrintable(rowName("PhV", k))), "+380501234567");
    QVERIFY(harness.find<QLabel>("lblP4")->isEnabled());

    QLineEdit* third = harness.edit("PhV3");
    third->selectAll();
    QTest::keyClick(third, Qt::Key_Backspace);
    QCOMPARE(third->text(), QString());
    QVERIFY(!harness.find<QLabel>("lblP4")->isEnabled());
    QVERIFY(!harness.find<QCheckBox>("chkCh3")->isEnabled());
    QVERIFY(harness.edit("PhV4")->isEnabled());
    QCOMPARE(harness.edit("PhV4")->text(), QStringLiteral("+380501234567"));
}

void ChannelPagesTest::callCounterClamp_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("kept");
    for (const char* name : {"CountCallGSM", "CountCallGPRS", "CountCallEt"}) {
        QTest::addRow("%s 300", name) << name << 300 << 250;
        QTest::addRow("%s 250", name) << name << 250 << 250;
        QTest::addRow("%s 251", name) << name << 251 << 250;
        QTest::addRow("%s 1000", name) << name << 1000 << 250;
        QTest::addRow("%s 0", name) << name << 0 << 1;
    }
}

void ChannelPagesTest::callCounterClamp()
{
    QFETCH(QString, name);
    QFETCH(int, set);
    QFETCH(int, kept);
    GeneralPageHarness harness;
    auto* counter = harness.find<QSpinBox>(qPrintable(name));
    counter->setValue(set);
    QCOMPARE(counter->value(), kept);
}

void ChannelPagesTest::vpnChaining()
{
    GeneralPageHarness harness;
    QLineEdit* apn = harness.edit("EditApn1");
    QLineEdit* ip1 = harness.edit("EditIP1");
    QLineEdit* ip2 = harness.edit("EditIP2");
    QVERIFY(!ip1->isEnabled());
    QVERIFY(!ip2->isEnabled());

    QTest::keyClicks(apn, "internet");
    QVERIFY(ip1->isEnabled());
    QVERIFY(!ip2->isEnabled());
    QTest::keyClicks(ip1, "10.0.0.1");
    QVERIFY(ip2->isEnabled());
    QTest::keyClicks(ip2, "10.0.0.2");

    // Emptying the first address empties the second but leaves it open.
    ip1->clear();
    QCOMPARE(ip2->text(), QString());
    QVERIFY(ip2->isEnabled());

    QTest::keyClicks(ip1, "10.0.0.1");
    QTest::keyClicks(ip2, "10.0.0.2");
    apn->clear();
    QCOMPARE(ip1->text(), QString());
    QCOMPARE(ip2->text(), QString());
    QVERIFY(!ip1->isEnabled());
    QVERIFY(!ip2->isEnabled());
}

void ChannelPagesTest::updateApnFollowsTheVpnApn()
{
    GeneralPageHarness harness;
    QTest::keyClicks(harness.edit("UpAPNEdit"), "update");
    QVERIFY(!harness.edit("EditIP1")->isEnabled());
    QVERIFY(!harness.edit("EditIP2")->isEnabled());

    QTest::keyClicks(harness.edit("EditApn1"), "vpn");
    QTest::keyClicks(harness.edit("EditIP1"), "1.1.1.1");
    harness.edit("EditIP2")->setEnabled(false);
    QTest::keyClicks(harness.edit("UpAPNEdit"), "2");
    QVERIFY(harness.edit("EditIP2")->isEnabled());
}

void ChannelPagesTest::pblApnGoesWithThePblAddress()
{
    GeneralPageHarness harness;
    QTest::keyClicks(harness.edit("EditIP"), "1.2.3.4");
    QTest::keyClicks(harness.edit("EditAPN_PBL1"), "pbl");
    harness.edit("EditIP")->setText(QStringLiteral("1.2.3"));
    QCOMPARE(harness.edit("EditAPN_PBL1")->text(), QStringLiteral("pbl"));
    harness.edit("EditIP")->clear();
    QCOMPARE(harness.edit("EditAPN_PBL1")->text(), QString());
}

void ChannelPagesTest::dhcp()
{
    GeneralPageHarness harness;
    harness.show();
    auto* dhcp = harness.find<RadioGroup>("DHCP_OnOff");
    auto* settings = harness.find<QWidget>("SetDHCP");
    QCOMPARE(dhcp->itemIndex(), 1);
    QVERIFY(settings->isHidden());

    const auto buttons = dhcp->findChildren<QRadioButton*>();
    dhcp->setItemIndex(0);
    QVERIFY(!settings->isHidden());
    dhcp->setItemIndex(1);
    QVERIFY(settings->isHidden());
    QCOMPARE(buttons.at(1)->text(), QStringLiteral("Вкл."));
}

void ChannelPagesTest::dhcpAddressIsCopiedAtOnce()
{
    GeneralPageHarness harness;
    QCOMPARE(harness.edit("ConfEtherIPEdit")->text(), QStringLiteral("192.168.1.249"));
    QLineEdit* own = harness.edit("DHCP_IP");
    own->clear();
    QCOMPARE(harness.edit("ConfEtherIPEdit")->text(), QString());
    QTest::keyClicks(own, "10.1.1.7");
    QCOMPARE(harness.edit("ConfEtherIPEdit")->text(), QStringLiteral("10.1.1.7"));
}

void ChannelPagesTest::openWifiHidesThePassword()
{
    GeneralPageHarness harness;
    auto* open = harness.find<QCheckBox>("chkOpenWF");
    QLineEdit* password = harness.edit("edtPassWF");
    auto* label = harness.find<QLabel>("lblPassWF");
    QTest::keyClicks(password, "secret");
    QCOMPARE(password->echoMode(), QLineEdit::Password);

    open->setChecked(true);
    QVERIFY(password->isHidden());
    QVERIFY(label->isHidden());
    QCOMPARE(password->text(), QStringLiteral("secret"));
    open->setChecked(false);
    QVERIFY(!password->isHidden());
    QVERIFY(!label->isHidden());
}

void ChannelPagesTest::pageSwitchRefreshesRemoteGroupsAndEthernetAddresses()
{
    GeneralPageHarness harness;
    auto* pages = harness.find<QTabWidget>("PageCh");
    auto* confGprs = harness.find<QCheckBox>("ConfGPRSCheck");
    confGprs->setChecked(true);
    harness.find<QWidget>("ConfGPRSBox")->hide();
    harness.edit("ConfEtherSlEdit")->setText(QStringLiteral("1.1.1.1"));

    pages->setCurrentWidget(harness.find<QWidget>("RemConfSheet"));
    QVERIFY(!harness.find<QWidget>("ConfGPRSBox")->isHidden());
    QCOMPARE(harness.edit("ConfEtherSlEdit")->text(), QStringLiteral("1.1.1.1"));

    {
        const auto detached = harness.page->suspendChannelClicks();
        harness.page->etherBox()->setChecked(true);
    }
    pages->setCurrentWidget(harness.find<QWidget>("SheetVoice"));
    QCOMPARE(harness.edit("ConfEtherSlEdit")->text(), QStringLiteral("192.168.1.1"));
    QCOMPARE(harness.edit("ConfEtherIPEdit")->text(), QStringLiteral("192.168.1.223"));
}

QTEST_MAIN(ChannelPagesTest)
#include "tst_ChannelPages.moc"
