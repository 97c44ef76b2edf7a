#include "GeneralPageHarness.h"
#include "PortCheck.h"
#include "RemotePage.h"

#include <QCheckBox>
#include <QSignalSpy>

namespace {

const QStringList PortFields = {"ConfPortEdit", "PblPortEdit", "vPort1", "vPort2",
                                "EditPort1_PCN", "EditPort2_PCN", "EditPort_Loc"};

} // namespace

class PortCheckTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedPort_data();
    void typedPort();
    void notAWholeNumberKeepsItsText_data();
    void notAWholeNumberKeepsItsText();
    void remoteChannelBoxesShowTheirGroups_data();
    void remoteChannelBoxesShowTheirGroups();
};

void PortCheckTest::typedPort_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");
    for (const QString& name : PortFields) {
        QTest::addRow("%s 65535", qPrintable(name)) << name << "65535" << false;
        QTest::addRow("%s 70000", qPrintable(name)) << name << "70000" << true;
    }
}

void PortCheckTest::typedPort()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(bool, refused);
    GeneralPageHarness harness;
    QLineEdit* field = harness.edit(name.toLatin1().constData());
    field->clear();
    QTest::keyClicks(field, typed);
    if (!refused) {
        QCOMPARE(field->text(), typed);
        QVERIFY(harness.dialogs.shown().isEmpty());
        return;
    }
    QCOMPARE(field->text(), QString());
    QCOMPARE(harness.dialogs.shown().size(), 1);
    const Dialogs::Message& box = harness.dialogs.last();
    QCOMPARE(box.text, QStringLiteral("Номер порта не должен быть больше 65535"));
    QCOMPARE(box.caption, QStringLiteral("Номер порта"));
    QCOMPARE(box.icon, Dialogs::Icon::Stop);
}

void PortCheckTest::notAWholeNumberKeepsItsText_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : PortFields)
        QTest::newRow(qPrintable(name)) << name;
}

void PortCheckTest::notAWholeNumberKeepsItsText()
{
    QFETCH(QString, name);
    GeneralPageHarness harness;
    QLineEdit* field = harness.edit(name.toLatin1().constData());
    field->clear();
    QTest::keyClicks(field, "12#");
    QCOMPARE(field->text(), QStringLiteral("12#"));
    QCOMPARE(harness.dialogs.shown().size(), 1);
    QCOMPARE(harness.dialogs.last().caption, QStringLiteral("Exception"));
    QVERIFY(harness.dialogs.last().text.contains(QStringLiteral("12#")));
}

void PortCheckTest::remoteChannelBoxesShowTheirGroups_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("group");
    QTest::newRow("GPRS") << "ConfGPRSCheck" << "ConfGPRSBox";
    QTest::newRow("Ethernet") << "ConfEtherCheck" << "ConfEtherBox";
}

void PortCheckTest::remoteChannelBoxesShowTheirGroups()
{
    QFETCH(QString, box);
    QFETCH(QString, group);
    GeneralPageHarness harness;
    auto* check = harness.find<QCheckBox>(box.toLatin1().constData());
    auto* shown = harness.find<QWidget>(group.toLatin1().constData());

    check->setChecked(true);
    QVERIFY(!shown->isHidden());
    check->setChecked(false);
    QVERIFY(shown->isHidden());
}

QTEST_MAIN(PortCheckTest)
#include "tst_PortCheck.moc"
