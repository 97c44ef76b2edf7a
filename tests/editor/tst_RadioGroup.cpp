#include "RadioGroup.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

class RadioGroupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWithNoSelection();
    void programmaticAndUserChangesBothReport();
    void settingTheSameIndexReportsNothing();
    void noSelectionCanBeRestored();
};

void RadioGroupTest::startsWithNoSelection()
{
    RadioGroup group(QStringLiteral("  Клавиатура  "), {QStringLiteral("Отключена"), QStringLiteral("Подключена")}, 2);
    QCOMPARE(group.itemIndex(), -1);
    QCOMPARE(group.count(), 2);
}

void RadioGroupTest::programmaticAndUserChangesBothReport()
{
    RadioGroup group(QStringLiteral("g"), {QStringLiteral("a"), QStringLiteral("b")});
    QSignalSpy changes(&group, &RadioGroup::itemIndexChanged);
    group.setItemIndex(1);
    QCOMPARE(group.itemIndex(), 1);
    group.show();
    QTest::mouseClick(group.findChildren<QRadioButton*>().at(0), Qt::LeftButton);
    QCOMPARE(group.itemIndex(), 0);
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes.at(0).at(0).toInt(), 1);
    QCOMPARE(changes.at(1).at(0).toInt(), 0);
}

void RadioGroupTest::settingTheSameIndexReportsNothing()
{
    RadioGroup group(QStringLiteral("g"), {QStringLiteral("a"), QStringLiteral("b")});
    group.setItemIndex(0);
    QSignalSpy changes(&group, &RadioGroup::itemIndexChanged);
    group.setItemIndex(0);
    QCOMPARE(changes.size(), 0);
}

void RadioGroupTest::noSelectionCanBeRestored()
{
    RadioGroup group(QStringLiteral("g"), {QStringLiteral("a"), QStringLiteral("b")});
    group.setItemIndex(1);
    QSignalSpy changes(&group, &RadioGroup::itemIndexChanged);
    group.setItemIndex(-1);
    QCOMPARE(group.itemIndex(), -1);
    QVERIFY(!group.findChildren<QRadioButton*>().at(1)->isChecked());
    QCOMPARE(changes.size(), 1);
    group.setItemIndex(1);
    QCOMPARE(group.itemIndex(), 1);
}

QTEST_MAIN(RadioGroupTest)
#include "tst_RadioGroup.moc"
