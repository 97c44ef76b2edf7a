#include "ChannelPages.h"
#include "CheckGroup.h"
#include "GeneralPageHarness.h"
#include "RadioGroup.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

class GeneralPageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fieldsAsCreated_data();
    void fieldsAsCreated();
    void spinEditsAsCreated_data();
    void spinEditsAsCreated();
    void labelsNameTheirFields_data();
    void labelsNameTheirFields();
    void shownAsCreated();
    void systemEventsStartChecked();
    void accountIsTypedInUpperCase();
    void onlyTheSmsTabAtStart();
};

void GeneralPageTest::fieldsAsCreated_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hint");
    QTest::newRow("EditAccount") << "EditAccount" << 4 << "" << "";
    QTest::newRow("ConfPortEdit") << "ConfPortEdit" << 5 << "99999" << "";
    QTest::newRow("PhBlkEdit") << "PhBlkEdit" << 10 << "" << "Номер телефона блокирующий ППК";
    QTest::newRow("PhUnBlkEdit") << "PhUnBlkEdit" << 10 << "" << "Номер телефона разблокирующий ППК";
    QTest::newRow("PhV1") << "PhV1" << 13 << "" << "";
    QTest::newRow("edtBl") << "edtBl" << 10 << "" << "";
    QTest::newRow("PGSMT") << "PGSMT" << 10 << "" << "";
    QTest::newRow("PblPortEdit") << "PblPortEdit" << 5 << "" << "";
    QTest::newRow("EditIP1_PCN") << "EditIP1_PCN" << 15 << "" << "Первый IP-адрес ПЦН";
    QTest::newRow("EditPort2_PCN") << "EditPort2_PCN" << 6 << "" << "Порт второго IP-адреса ПЦН";
    QTest::newRow("DHCP_IP") << "DHCP_IP" << 32767 << "192.168.1.223" << "";
    QTest::newRow("EditPort_Loc") << "EditPort_Loc" << 6 << "9999" << "";
    QTest::newRow("edtPassWF") << "edtPassWF" << 32 << "" << "";
    QTest::newRow("ConfEtherIPEdit") << "ConfEtherIPEdit" << 32767 << "192.168.1.249" << "";
    QTest::newRow("UpAPNEdit") << "UpAPNEdit" << 20 << "" << "";
    QTest::newRow("PhoneUpEdit") << "PhoneUpEdit" << 10 << "1111111111"
                                 << "Телефон активации удаленного обновления/конфигурирования";
    QTest::newRow("Edit2") << "Edit2" << 10 << "" << "";
    QTest::newRow("EditMac") << "EditMac" << 5 << "" << "";
}

void GeneralPageTest::fieldsAsCreated()
{
    QFETCH(QString, name);
    QFETCH(int, maxLength);
    QFETCH(QString, text);
    QFETCH(QString, hint);
    GeneralPageHarness harness;
    QLineEdit* field = harness.edit(qPrintable(name));
    QCOMPARE(field->maxLength(), maxLength);
    QCOMPARE(field->text(), text);
    QCOMPARE(field->toolTip(), hint);
}

void GeneralPageTest::spinEditsAsCreated_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("value");
    QTest::newRow("DelaySiren") << "DelaySiren" << 10 << 900 << 10 << 900;
    QTest::newRow("DlExt") << "DlExt" << 0 << 120 << 5 << 10;
    QTest::newRow("EditTestTL") << "EditTestTL" << 30 << 86400 << 30 << 3600;
    QTest::newRow("EditTestGSM") << "EditTestGSM" << 60 << 5400 << 60 << 60;
    QTest::newRow("CountCallGSM") << "CountCallGSM" << 1 << 999 << 1 << 1;
}

void GeneralPageTest::spinEditsAsCreated()
{
    QFETCH(QString, name);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, step);
    QFETCH(int, value);
    GeneralPageHarness harness;
    auto* spin = harness.find<QSpinBox>(qPrintable(name));
    QCOMPARE(spin->minimum(), minimum);
    QCOMPARE(spin->maximum(), maximum);
    QCOMPARE(spin->singleStep(), step);
    QCOMPARE(spin->value(), value);
    // Out-of-range values end at the nearest bound.
    spin->setValue(minimum - 1);
    QCOMPARE(spin->value(), minimum);
}

void GeneralPageTest::labelsNameTheirFields_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("AccountLbl") << "AccountLbl" << "Идентификатор ППК" << "EditAccount";
    QTest::newRow("Label36") << "Label36" << "Порт PC-конфигуратора" << "ConfPortEdit";
    QTest::newRow("Label48") << "Label48" << "Блокирование" << "PhBlkEdit";
    QTest::newRow("Label49") << "Label49" << "Разблокирование" << "PhUnBlkEdit";
    QTest::newRow("Label19") << "Label19" << "Вкл. сирены, с" << "DelaySiren";
    QTest::newRow("Label1") << "Label1" << "Задержка вход/выход,  c" << "DlExt";
    QTest::newRow("lbl4") << "lbl4" << "Запрос баланса" << "edtBl";
    QTest::newRow("lblP3") << "lblP3" << "3" << "PhV3";
    QTest::newRow("lblPassWF") << "lblPassWF" << "Пароль" << "edtPassWF";
}

void GeneralPageTest::labelsNameTheirFields()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(QString, field);
    GeneralPageHarness harness;
    auto* caption = harness.find<QLabel>(qPrintable(label));
    QCOMPARE(caption->text(), text);
    QCOMPARE(caption->buddy(), harness.find<QWidget>(qPrintable(field)));
}

void GeneralPageTest::shownAsCreated()
{
    GeneralPageHarness harness;
    harness.show();
    for (const char* shown : {"grpSys", "boxAC", "boxDC", "chkAA", "ArmBox", "ActivChBox", "VoiceBox", "AvtBox",
                              "GroupBox1", "DelaySiren", "DlExt", "PageCh"})
        QVERIFY2(harness.find<QWidget>(shown)->isVisible(), shown);
    for (const char* hidden : {"EditAccount", "ConfPortEdit", "PhBlkEdit", "PhUnBlkEdit", "boxTmpr", "boxTmpKbd",
                               "boxLnkKbd", "GSMBox", "GPRSBox", "EtherBox", "EditTestTL", "ProtVPN", "FTPEdit",
                               "SetDHCP", "ConfGPRSBox", "ConfEtherBox"})
        QVERIFY2(!harness.find<QWidget>(hidden)->isVisible(), hidden);
    for (const char* disabled : {"GSMBox", "GPRSBox", "EtherBox", "SimCount", "ProtVPN", "FTPEdit"})
        QVERIFY2(!harness.find<QWidget>(disabled)->isEnabled(), disabled);
    for (const char* kept : {"EditMac", "SimCount", "chkGL", "ChList", "ChListBox"})
        QVERIFY2(harness.find<QWidget>(kept)->isHidden(), kept);
    QCOMPARE(harness.find<QCheckBox>("VoiceBox")->text(), QStringLiteral("СМС"));
    QCOMPARE(harness.find<QCheckBox>("AvtBox")->text(), QStringLiteral("Автономный"));
    QCOMPARE(harness.find<RadioGroup>("ArmBox")->itemIndex(), -1);
    QCOMPARE(harness.find<RadioGroup>("SimCount")->itemIndex(), -1);
    QCOMPARE(harness.find<RadioGroup>("ProtVPN")->itemIndex(), 0);
    QVERIFY(!harness.find<QCheckBox>("chkAA")->isChecked());
    QVERIFY(harness.find<QLineEdit>("ConfEtherIPEdit")->isReadOnly());
}

void GeneralPageTest::systemEventsStartChecked()
{
    GeneralPageHarness harness;
    for (const char* name : {"boxAC", "boxDC", "boxTmpr", "boxTmpKbd", "boxLnkKbd"}) {
        auto* group = harness.find<CheckGroup>(name);
        QCOMPARE(group->count(), 2);
        QVERIFY2(group->isChecked(0) && group->isChecked(1), name);
    }
}

void GeneralPageTest::accountIsTypedInUpperCase()
{
    GeneralPageHarness harness;
    QLineEdit* account = harness.edit("EditAccount");
    QTest::keyClicks(account, "ec22f");
    QCOMPARE(account->text(), QStringLiteral("EC22"));
}

void GeneralPageTest::onlyTheSmsTabAtStart()
{
    GeneralPageHarness harness;
    ChannelPages* pages = harness.page->pageCh();
    QCOMPARE(pages->count(), 5);
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(pages->tabText(0), QStringLiteral("СМС"));
    QCOMPARE(pages->tabText(4), QStringLiteral("Удаленное..."));
    QVERIFY(pages->isTabVisible(0));
    for (int i = 1; i < pages->count(); ++i)
        QVERIFY(!pages->isTabVisible(i));
}

QTEST_MAIN(GeneralPageTest)
#include "tst_GeneralPage.moc"
