#include "CheckGroup.h"
#include "GridInput.h"
#include "GroupsModel.h"
#include "RadioGroup.h"
#include "ScriptedDialogs.h"
#include "UserCountSpin.h"
#include "UsersGrid.h"
#include "ZoneGrid.h"
#include "ZoneLinksModel.h"
#include "ZonesPage.h"

#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using GridInput::clickCaption;
using GridInput::clickCell;
using Group = GroupsModel::Group;
using Link = ZoneLinksModel::Link;

namespace {

const QStringList KeyboardItems = {QStringLiteral("Нарушение"), QStringLiteral("Восстановление")};

// The zones page with stand-ins for the general page's controls it works with.
struct Fixture {
    ScriptedDialogs dialogs;
    QWidget general;
    QSpinBox* dlExt = new QSpinBox(&general);
    RadioGroup* armBox = new RadioGroup(QStringLiteral("  Клавиатура  "),
                                        {QStringLiteral("Отключена"), QStringLiteral("Подключена")}, 2, &general);
    CheckGroup* boxTmpKbd = new CheckGroup(QStringLiteral("Тампер клавиатуры"), KeyboardItems, &general);
    CheckGroup* boxLnkKbd = new CheckGroup(QStringLiteral("Связь с клавиатурой"), KeyboardItems, &general);
    ZonesPage page{dialogs};

    Fixture()
    {
        dlExt->setRange(0, 120);
        dlExt->setSingleStep(5);
        dlExt->setValue(10);
        page.connectGeneralPage(*dlExt, *armBox, *boxTmpKbd, *boxLnkKbd);
        page.resize(580, 480);
        page.show();
    }

    ZoneGrid& zones() { return page.gridZone(); }
    UsersGrid& users() { return page.gridUsers(); }
    QPushButton& button(const char* name) { return *page.findChild<QPushButton*>(QLatin1String(name)); }
    QToolButton& nav(const char* name) { return *page.findChild<QToolButton*>(QLatin1String(name)); }

    // Zone names shown for the current group.
    QStringList shownZones() const
    {
        QStringList names;
        const QAbstractItemModel* shown = page.shGrid().model();
        for (int row = 0; row < shown->rowCount(); ++row)
            names.append(shown->index(row, 0).data().toString());
        return names;
    }

    QList<Link> allLinks() const { return page.zoneLinks().links(); }

    QStringList usersColumn(int group, int rows = 6)
    {
        QStringList marks;
        for (int user = 1; user <= rows; ++user)
            marks.append(users().cell(group, user));
        return marks;
    }

    void clickGroup(int row)
    {
        QTableView& grid = page.grGrid();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.model()->index(row, 1)).center());
    }

    // Three groups as a restored image gives them, with zones and users of each.
    void restoreThreeGroups()
    {
        page.groups().append({1, 10, 0});
        page.groups().append({2, 20, 5});
        page.groups().append({3, 30, 0});
        page.zoneLinks().append({1, QStringLiteral("Z1"), 1});
        page.zoneLinks().append({2, QStringLiteral("Z2"), 2});
        page.zoneLinks().append({2, QStringLiteral("Z3"), 3});
        page.zoneLinks().append({3, QStringLiteral("K1"), 7});
        users().setCell(1, 1, QStringLiteral("+"));
        users().setCell(1, 2, QStringLiteral("+"));
        users().setCell(2, 3, QStringLiteral("+"));
        users().setCell(3, 4, QStringLiteral("+"));
        page.firstGroup();
    }
};

} // namespace

class ZonesPageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void factoryDefaults();
    void addingTwoGroupsAndDeletingOne();
    void deletingGroupOneOfThreeRenumbers();
    void changingTheGroupFollowsItsTimes();
    void exitDelayWithoutGroupsLeavesZ1Alone();
    void rebuildWithoutGroupsLeavesNoLinks();
    void navigatorDeletesAfterConfirmation_data();
    void navigatorDeletesAfterConfirmation();
    void navigatorInsertRebuilds();
    void keyboardOnAddsK1AndK2();
    void keyboardOffClearsKeyboardMarks();
    void usersGridClicks_data();
    void usersGridClicks();
    void popupSetsAndResetsRowAndColumn();
    void captionClicksThatOfferNothing();
    void userRowOutsideCountIsRefused();
    void loweringUserCountByArrowVersusTyping();
};

void ZonesPageTest::factoryDefaults()
{
    Fixture f;
    f.zones().setCell(3, ZoneGrid::RowOn, QStringLiteral("+"));
    f.page.putFactoryDefaults();

    QCOMPARE(f.page.groups().groups(), (QList<Group>{{1, 30, 0}}));
    QCOMPARE(f.shownZones(), (QStringList{QStringLiteral("Z1"), QStringLiteral("Z2"), QStringLiteral("Z3")}));
    QCOMPARE(f.zones().cell(1, ZoneGrid::RowEntry), QStringLiteral("30"));
    QCOMPARE(f.zones().cell(2, ZoneGrid::RowInterior), QStringLiteral("+"));
    QCOMPARE(f.zones().cell(7, ZoneGrid::RowInterior), QStringLiteral("+"));
    QCOMPARE(f.zones().cell(5, ZoneGrid::RowSensitivity), QStringLiteral("60"));
    QCOMPARE(f.dlExt->value(), 30);
    for (int user = 1; user <= 32; ++user)
        QCOMPARE(f.users().cell(1, user), QStringLiteral("+"));
}

void ZonesPageTest::addingTwoGroupsAndDeletingOne()
{
    Fixture f;
    f.zones().setCell(1, ZoneGrid::RowOn, QStringLiteral("+"));
    f.users().setCell(1, 4, QStringLiteral("+"));
    QTest::mouseClick(&f.button("MkZnLstBtn"), Qt::LeftButton);
    QTest::mouseClick(&f.button("MkZnLstBtn"), Qt::LeftButton);
    QCOMPARE(f.page.groups().groups(), (QList<Group>{{1, 30, 0}, {1, 30, 0}}));
    QCOMPARE(f.page.currentGroupRow(), 1);
    QCOMPARE(f.shownZones(), QStringList{QStringLiteral("Z1")});

    QTest::mouseClick(&f.button("DelGr"), Qt::LeftButton);
    QCOMPARE(f.page.groups().groups(), (QList<Group>{{1, 30, 0}}));
    QVERIFY(f.allLinks().isEmpty());
    QCOMPARE(f.users().cell(1, 4), QStringLiteral(" "));
}

void ZonesPageTest::deletingGroupOneOfThreeRenumbers()
{
    Fixture f;
    f.restoreThreeGroups();
    QCOMPARE(f.shownZones(), QStringList{QStringLiteral("Z1")});

    QTest::mouseClick(&f.button("DelGr"), Qt::LeftButton);

    QCOMPARE(f.page.groups().groups(), (QList<Group>{{1, 20, 5}, {2, 30, 0}}));
    QCOMPARE(f.allLinks(), (QList<Link>{{1, QStringLiteral("Z2"), 2}, {1, QStringLiteral("Z3"), 3},
                                        {2, QStringLiteral("K1"), 7}}));
    QCOMPARE(f.page.currentGroupRow(), 0);
    QCOMPARE(f.shownZones(), (QStringList{QStringLiteral("Z2"), QStringLiteral("Z3")}));
    QCOMPARE(f.dlExt->value(), 20);
    QCOMPARE(f.page.ackArm().value(), 5);
    // The users stay with their groups: the old group 2 is column 1 now.
    const QString p = QStringLiteral("+");
    const QString n = QStringLiteral(" ");
    const QString e;
    QCOMPARE(f.usersColumn(1), (QStringList{e, e, p, e, e, e}));
    QCOMPARE(f.usersColumn(2), (QStringList{e, e, e, p, e, e}));
    QCOMPARE(f.usersColumn(3), (QStringList{n, n, n, n, n, n}));
}

void ZonesPageTest::changingTheGroupFollowsItsTimes()
{
    Fixture f;
    f.restoreThreeGroups();
    f.clickGroup(1);
    QCOMPARE(f.page.currentGroupRow(), 1);
    QCOMPARE(f.dlExt->value(), 20);
    QCOMPARE(f.page.ackArm().value(), 5);
    QCOMPARE(f.zones().cell(1, ZoneGrid::RowEntry), QStringLiteral("20"));
    QCOMPARE(f.shownZones(), (QStringList{QStringLiteral("Z2"), QStringLiteral("Z3")}));

    f.dlExt->setValue(45);
    f.page.ackArm().setValue(15);
    QCOMPARE(f.page.groups().group(1), (Group{2, 45, 15}));
    QCOMPARE(f.page.groups().group(0), (Group{1, 10, 0}));
    QCOMPARE(f.zones().cell(1, ZoneGrid::RowEntry), QStringLiteral("45"));
}

void ZonesPageTest::exitDelayWithoutGroupsLeavesZ1Alone()
{
    Fixture f;
    f.zones().setCell(1, ZoneGrid::RowEntry, QStringLiteral("0015"));
    f.dlExt->setValue(60);
    QCOMPARE(f.zones().cell(1, ZoneGrid::RowEntry), QStringLiteral("0015"));
    f.page.ackArm().setValue(20);
    QCOMPARE(f.page.groups().count(), 0);
}

void ZonesPageTest::rebuildWithoutGroupsLeavesNoLinks()
{
    Fixture f;
    f.zones().setCell(1, ZoneGrid::RowOn, QStringLiteral("+"));
    f.armBox->setItemIndex(1);
    QVERIFY(f.allLinks().isEmpty());
}

void ZonesPageTest::navigatorDeletesAfterConfirmation_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("yes") << int(Dialogs::Answer::Yes) << QStringList{QStringLiteral("Z3")};
    QTest::newRow("no") << int(Dialogs::Answer::No) << QStringList{QStringLiteral("Z2"), QStringLiteral("Z3")};
}

void ZonesPageTest::navigatorDeletesAfterConfirmation()
{
    QFETCH(int, answer);
    QFETCH(QStringList, left);
    Fixture f;
    f.restoreThreeGroups();
    f.clickGroup(1);
    QTableView& list = f.page.shGrid();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(0, 0)).center());
    f.dialogs.answer(Dialogs::Answer(answer));
    QTest::mouseClick(&f.nav("ShNavDelete"), Qt::LeftButton);
    QCOMPARE(f.dialogs.shown().size(), 1);
    QCOMPARE(f.dialogs.last().buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(f.shownZones(), left);
    QCOMPARE(f.allLinks().size(), left.size() + 2);
}

void ZonesPageTest::navigatorInsertRebuilds()
{
    Fixture f;
    f.zones().setCell(4, ZoneGrid::RowOn, QStringLiteral("+"));
    QTest::mouseClick(&f.nav("ShNavInsert"), Qt::LeftButton);
    QVERIFY(f.allLinks().isEmpty());

    f.restoreThreeGroups();
    QTest::mouseClick(&f.nav("ShNavInsert"), Qt::LeftButton);
    QCOMPARE(f.allLinks(), QList<Link>{(Link{1, QStringLiteral("Z4"), 4})});
}

void ZonesPageTest::keyboardOnAddsK1AndK2()
{
    Fixture f;
    f.page.putFactoryDefaults();
    f.armBox->setItemIndex(0);
    QVERIFY(f.boxTmpKbd->isHidden());
    clickCell(f.zones(), 7, ZoneGrid::RowOn);
    QCOMPARE(f.zones().cell(7, ZoneGrid::RowOn), QString());

    f.armBox->setItemIndex(1);
    QCOMPARE(f.zones().cell(7, ZoneGrid::RowOn), QStringLiteral("+"));
    QCOMPARE(f.zones().cell(8, ZoneGrid::RowOn), QStringLiteral("+"));
    QCOMPARE(f.shownZones(), (QStringList{QStringLiteral("Z1"), QStringLiteral("Z2"), QStringLiteral("K1"),
                                          QStringLiteral("K2")}));
    QCOMPARE(f.allLinks().at(3), (Link{1, QStringLiteral("K2"), 8}));
    QVERIFY(!f.boxTmpKbd->isHidden());
    QVERIFY(!f.boxLnkKbd->isHidden());
    clickCell(f.zones(), 7, ZoneGrid::RowSiren);
    QCOMPARE(f.zones().cell(7, ZoneGrid::RowSiren), QString());
}

void ZonesPageTest::keyboardOffClearsKeyboardMarks()
{
    Fixture f;
    f.page.putFactoryDefaults();
    f.armBox->setItemIndex(1);
    f.boxTmpKbd->setChecked(0, true);
    f.boxLnkKbd->setChecked(1, true);
    f.armBox->setItemIndex(0);
    QCOMPARE(f.zones().cell(7, ZoneGrid::RowOn), QString());
    QCOMPARE(f.zones().cell(8, ZoneGrid::RowOn), QString());
    QCOMPARE(f.zones().cell(8, ZoneGrid::RowInterior), QStringLiteral("+"));
    QVERIFY(!f.boxTmpKbd->isChecked(0));
    QVERIFY(!f.boxLnkKbd->isChecked(1));
    QVERIFY(f.boxTmpKbd->isHidden());
    QCOMPARE(f.shownZones(), (QStringList{QStringLiteral("Z1"), QStringLiteral("Z2")}));
}

void ZonesPageTest::usersGridClicks_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("message");

    QTest::newRow("set a member") << 2 << 5 << " " << "+" << "";
    QTest::newRow("set an empty cell") << 2 << 5 << "" << "+" << "";
    QTest::newRow("clear a member") << 1 << 5 << "+" << " " << "";
    QTest::newRow("missing group") << 4 << 1 << " " << " " << "Группа №4 отсутствует!";
    QTest::newRow("user beyond the count") << 1 << 11 << " " << " " << "Недопустимый номер пользователя.";
}

void ZonesPageTest::usersGridClicks()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, message);

    Fixture f;
    f.restoreThreeGroups();
    f.page.userCount().setValue(10);
    f.users().setCell(column, row, before);
    clickCell(f.users(), column, row);
    QCOMPARE(f.users().cell(column, row), after);
    if (message.isEmpty()) {
        QVERIFY(f.dialogs.shown().isEmpty());
    } else {
        QCOMPARE(f.dialogs.texts(), QStringList{message});
        QCOMPARE(f.dialogs.last().caption, QStringLiteral("Предупреждение"));
        QCOMPARE(f.dialogs.last().icon, Dialogs::Icon::Information);
        QVERIFY(f.dialogs.last().onTop);
    }
}

void ZonesPageTest::popupSetsAndResetsRowAndColumn()
{
    Fixture f;
    f.restoreThreeGroups();
    f.page.userCount().setValue(5);

    clickCaption(f.users(), 2);
    QCOMPARE(f.users().itemSet().text(), QStringLiteral("Установить всех пользователей в группе 2"));
    QCOMPARE(f.users().itemRes().text(), QStringLiteral("Сбросить всех пользователей в группе 2"));
    QVERIFY(f.users().setRes().isVisible());
    f.users().itemSet().trigger();
    const QString p = QStringLiteral("+");
    const QString n = QStringLiteral(" ");
    QCOMPARE(f.usersColumn(2, 7), (QStringList{p, p, p, p, p, QString(), QString()}));

    f.users().setRes().hide();
    clickCell(f.users(), 0, 3);
    QCOMPARE(f.users().itemSet().text(), QStringLiteral("Установить пользователя 3 во всех группах"));
    QCOMPARE(f.users().itemRes().text(), QStringLiteral("Сбросить пользователя 3 во всех группах"));
    f.users().itemRes().trigger();
    QCOMPARE(f.users().cell(1, 3), n);
    QCOMPARE(f.users().cell(2, 3), n);
    QCOMPARE(f.users().cell(3, 3), n);
    QCOMPARE(f.users().cell(4, 3), QString());
    QCOMPARE(f.users().cell(2, 4), p);
    QVERIFY(f.dialogs.shown().isEmpty());
}

void ZonesPageTest::captionClicksThatOfferNothing()
{
    Fixture f;
    f.restoreThreeGroups();
    f.users().itemSet().setText(QStringLiteral("unchanged"));

    clickCaption(f.users(), 0);
    clickCaption(f.users(), 4);
    f.page.userCount().setValue(0);
    clickCell(f.users(), 0, 2);
    clickCaption(f.users(), 1);

    QVERIFY(!f.users().setRes().isVisible());
    QCOMPARE(f.users().itemSet().text(), QStringLiteral("unchanged"));
    QVERIFY(f.dialogs.shown().isEmpty());
    QCOMPARE(f.users().cell(0, 0), QString());
    QCOMPARE(f.users().cell(1, 0), QStringLiteral("   1"));
}

void ZonesPageTest::userRowOutsideCountIsRefused()
{
    Fixture f;
    f.restoreThreeGroups();
    f.page.userCount().setValue(5);
    clickCell(f.users(), 0, 6);
    QVERIFY(!f.users().setRes().isVisible());
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("Недопустимый номер пользователя.")});
    QCOMPARE(f.dialogs.last().caption, QStringLiteral("Включение/выключение пользователей"));
    QCOMPARE(f.dialogs.last().icon, Dialogs::Icon::Stop);
}

void ZonesPageTest::loweringUserCountByArrowVersusTyping()
{
    Fixture f;
    f.restoreThreeGroups();
    for (int group = 1; group <= 3; ++group) {
        f.users().setCell(group, 32, QStringLiteral("+"));
        f.users().setCell(group, 31, QStringLiteral("+"));
    }
    f.users().setCell(4, 32, QStringLiteral("+"));
    UserCountSpin& count = f.page.userCount();

    QTest::keyClick(&count, Qt::Key_Down);
    QCOMPARE(count.value(), 31);
    for (int group = 1; group <= 3; ++group)
        QCOMPARE(f.users().cell(group, 32), QStringLiteral(" "));
    QCOMPARE(f.users().cell(4, 32), QStringLiteral("+"));

    count.selectAll();
    QTest::keyClicks(&count, "30");
    QTest::keyClick(&count, Qt::Key_Return);
    QCOMPARE(count.value(), 30);
    for (int group = 1; group <= 3; ++group)
        QCOMPARE(f.users().cell(group, 31), QStringLiteral("+"));
}

QTEST_MAIN(ZonesPageTest)
#include "tst_ZonesPage.moc"
