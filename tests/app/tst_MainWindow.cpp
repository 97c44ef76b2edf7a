#include "Arrangements.h"
#include "Frames.h"
#include "LibraryDialog.h"
#include "MainWindow.h"
#include "MenuButton.h"
#include "StatusLight.h"
#include "TestPlatform.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

using namespace std::chrono_literals;

namespace {

const QStringList SixItems = {"ItemLink", "ItemWr", "ItemRead", "ItemLoad", "ItemSave", "ItemDefault"};

struct Shell : TestPlatform {
    MainWindow window{platform()};

    QAction* item(const QString& name) const { return window.findChild<QAction*>(name); }
    QPushButton* wrBtn() const { return window.findChild<QPushButton*>("WrBtn"); }
    QProgressBar* gauge() const { return window.findChild<QProgressBar*>("Gauge"); }
    QString status() const { return window.findChild<QLabel*>("SB")->text(); }
    bool allSixEnabled() const
    {
        return std::all_of(SixItems.begin(), SixItems.end(), [this](const QString& name) { return item(name)->isEnabled(); });
    }

    // What the panel sends, a while later in virtual time.
    void fromRemotePanel(const QByteArray& datagram, Ticks::Duration after)
    {
        m_later.push_back(clock.createTimer(TickClock::Mode::SingleShot, [this, datagram] {
            udp.deliver(datagram, QHostAddress(QStringLiteral("192.168.1.30")), 5000);
        }));
        m_later.back()->start(after);
    }

private:
    std::vector<std::unique_ptr<TickTimer>> m_later;
};

QByteArray readBlock(int number)
{
    return Frames::toBytes(Frames::panelBlock(Frames::OpRead, number, QByteArray(Frames::BlockDataSize, '\x11')));
}

const QByteArray Ready(1, char(Frames::Ready));
const QByteArray Ack(1, char(Frames::Ack));

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startArrangement();
    void captionAndFixedSize();
    void menuItemsInOrder();
    void serviceButtonInTheCornerOfTheTabs();
    void serviceCommandsAreOfferedWhenSaveIs();
    void onlyTheGeneralTabIsOffered();
    void enableAllAndDisableAllTouchExactlyTheirItems();
    void connectionMenuDrivesTheSerialLink();
    void serialBlockOutOfSequenceGivesTheControlsBack();
    void remoteWaitAfterABrokenBlockSequence();
    void exitQuestion_data();
    void exitQuestion();
    void noClearsAFlagSetBefore();
    void delayWaitsItsTicks();
    void delayReturnsAtOnceWhenClosing();
    void yesDuringADelayEndsTheWait();
};

void MainWindowTest::startArrangement()
{
    Shell shell;
    shell.window.show();
    QCOMPARE(shell.status(), QStringLiteral("Автономный режим."));
    for (const char* name : {"ItemLink", "ItemSave", "ItemLoad", "ItemDefault", "ItemExit", "USB2", "BT", "N2"})
        QVERIFY2(shell.item(name)->isEnabled(), name);
    QVERIFY(!shell.item("ItemRead")->isEnabled());
    QVERIFY(!shell.item("ItemWr")->isEnabled());
    QVERIFY(!shell.wrBtn()->isVisible());
    QVERIFY(!shell.gauge()->isVisible());
    QVERIFY(!shell.window.findChild<StatusLight*>("WhoLbl")->isLit());
    QVERIFY(!shell.window.closingFlag());
}

void MainWindowTest::captionAndFixedSize()
{
    Shell shell;
    QCOMPARE(shell.window.windowTitle(), QStringLiteral("Конфигуратор ППК Зорвел-22 Lite (\"ZQ3.22L\") вер. 19.02.19"));
    QCOMPARE(shell.window.minimumSize(), QSize(582, 573));
    QCOMPARE(shell.window.maximumSize(), QSize(582, 573));
}

void MainWindowTest::menuItemsInOrder()
{
    Shell shell;
    QStringList captions;
    for (QAction* action : shell.window.findChild<QWidget*>("MainMenu")->actions())
        captions << action->text();
    QCOMPARE(captions, (QStringList{"Связь с ППК", "Прочитать", "Записать", "Сохранить", "Загрузить",
                                    "Заводские установки", "Выход"}));
    QCOMPARE(shell.item("USB2")->text(), QStringLiteral("USB"));
    QCOMPARE(shell.item("BT")->text(), QStringLiteral("BT"));
    QCOMPARE(shell.item("N2")->text(), QStringLiteral("Удаленная"));
}

void MainWindowTest::serviceButtonInTheCornerOfTheTabs()
{
    Shell shell;
    shell.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shell.window));
    auto* button = shell.window.findChild<MenuButton*>("ServiceButton");
    QVERIFY(button);
    auto* menu = shell.window.findChild<QMenu*>("ItemService");
    QCOMPARE(button->defaultAction(), menu->menuAction());
    QCOMPARE(button->text(), QStringLiteral("&Сервис"));
    QCOMPARE(shell.window.size(), QSize(582, 573));

    // In sight at first: whole, within the window, beside the page tabs.
    QVERIFY(button->isVisible());
    const QRect shown(button->mapTo(&shell.window, QPoint(0, 0)), button->size());
    QVERIFY2(shell.window.rect().contains(shown), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(shown.x()).arg(shown.y())
                                                                 .arg(shown.width()).arg(shown.height())));
    QCOMPARE(shell.window.findChild<QTabWidget*>("PageConfig")->cornerWidget(Qt::BottomRightCorner), button);
    QVERIFY(button->width() >= button->sizeHint().width());

    QStringList captions;
    QList<QKeySequence> shortcuts;
    for (QAction* action : menu->actions()) {
        captions << action->text();
        shortcuts << action->shortcut();
    }
    QCOMPARE(captions, (QStringList{"Сравнить с файлом…", "Применить шаблон…", "Отчёт…", "Библиотека…", "", "Язык"}));
    QCOMPARE(shortcuts, (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_D), QKeySequence(Qt::CTRL | Qt::Key_T),
                                             QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence(),
                                             QKeySequence()}));
    // The tooltip names the commands with their shortcuts, also those added later.
    menu->addAction(QStringLiteral("Ещё…"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    QCOMPARE(button->commandsText(),
             QStringLiteral("Сравнить с файлом…\t%1\nПрименить шаблон…\t%2\nОтчёт…\t%3\nБиблиотека…\t%4\nЯзык\nЕщё…\t%5")
                 .arg(QKeySequence(Qt::CTRL | Qt::Key_D).toString(QKeySequence::NativeText),
                      QKeySequence(Qt::CTRL | Qt::Key_T).toString(QKeySequence::NativeText),
                      QKeySequence(QKeySequence::Print).toString(QKeySequence::NativeText),
                      QKeySequence(Qt::CTRL | Qt::Key_L).toString(QKeySequence::NativeText),
                      QKeySequence(Qt::CTRL | Qt::Key_K).toString(QKeySequence::NativeText)));

    // The shortcuts reach the commands with the menu closed.
    shell.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&shell.window));
    QTest::keySequence(&shell.window, QKeySequence(Qt::CTRL | Qt::Key_D));
    QCOMPARE(shell.dialogs.openRequests().size(), 1);
    QCOMPARE(shell.dialogs.openRequests().constFirst().title, QStringLiteral("Сравнить с файлом"));
    QTest::keySequence(&shell.window, QKeySequence(Qt::CTRL | Qt::Key_L));
    QVERIFY(shell.window.libraryDialog());
    shell.window.libraryDialog()->close();
    QApplication::setActiveWindow(&shell.window);

    // Alt and the underlined letter open the menu.
    QWidget* opened = nullptr;
    QTimer::singleShot(0, [&opened] {
        opened = QApplication::activePopupWidget();
        if (opened)
            opened->close();
    });
    QTest::sendKeyEvent(QTest::Click, &shell.window, Qt::Key(u'С'), QStringLiteral("с"), Qt::AltModifier);
    QTRY_COMPARE(opened, menu);
    // The offscreen platform leaves the closed menu the active window.
    QApplication::setActiveWindow(&shell.window);
    QTest::keySequence(&shell.window, QKeySequence(Qt::CTRL | Qt::Key_D));
    QCOMPARE(shell.dialogs.openRequests().size(), 2);
}

void MainWindowTest::serviceCommandsAreOfferedWhenSaveIs()
{
    Shell shell;
    shell.window.show();
    // Сравнить, Применить шаблон, Отчёт and Сохранить, in this order.
    const auto states = [&shell] {
        return QList<bool>{shell.item("ItemCompare")->isEnabled(), shell.item("ItemApplyTemplate")->isEnabled(),
                           shell.item("ItemReport")->isEnabled(), shell.item("ItemSave")->isEnabled()};
    };
    const QList<bool> offered{true, true, true, true};
    const QList<bool> withheld{false, false, false, false};
    QCOMPARE(states(), offered);
    shell.window.DisableAll();
    QCOMPARE(states(), withheld);
    shell.window.EnableAll();
    QCOMPARE(states(), offered);
    shell.window.DisableAll();
    Arrangements::linkLost(shell.window);
    QCOMPARE(states(), offered);
    Arrangements::waitingForRemotePanel(shell.window);
    QCOMPARE(states(), offered);
}

void MainWindowTest::onlyTheGeneralTabIsOffered()
{
    Shell shell;
    auto* pages = shell.window.findChild<QTabWidget*>("PageConfig");
    QCOMPARE(pages->count(), 4);
    const QStringList names = {"SheetPblSet", "SheetZones", "SheetMes", "SheetKS"};
    const QStringList captions = {"Общие установки", "Шлейфы сигнализации", "Тексты извещений", "Каналы связи"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(pages->widget(i)->objectName(), names[i]);
        QCOMPARE(pages->tabText(i), captions[i]);
        QCOMPARE(pages->isTabVisible(i), i == 0);
    }
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(pages->tabPosition(), QTabWidget::South);
}

void MainWindowTest::enableAllAndDisableAllTouchExactlyTheirItems()
{
    Shell shell;
    shell.window.show();
    shell.window.setStatus(QStringLiteral("status"));
    shell.gauge()->setVisible(false);

    shell.window.EnableAll();
    for (const QString& name : SixItems)
        QVERIFY2(shell.item(name)->isEnabled(), qPrintable(name));
    QVERIFY(shell.wrBtn()->isVisible() && shell.wrBtn()->isEnabled());
    QVERIFY(!shell.gauge()->isVisible());
    QCOMPARE(shell.status(), QStringLiteral("status"));

    shell.window.DisableAll();
    for (const QString& name : SixItems)
        QVERIFY2(!shell.item(name)->isEnabled(), qPrintable(name));
    QVERIFY(!shell.wrBtn()->isVisible() && !shell.wrBtn()->isEnabled());
    QVERIFY(shell.item("ItemExit")->isEnabled());
    QVERIFY(shell.item("USB2")->isEnabled());  // the submenu items themselves are left alone
    QCOMPARE(shell.status(), QStringLiteral("status"));
}

void MainWindowTest::exitQuestion_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::newRow("close button, Yes") << false << Dialogs::Answer::Yes;
    QTest::newRow("close button, No") << false << Dialogs::Answer::No;
    QTest::newRow("Выход, Yes") << true << Dialogs::Answer::Yes;
    QTest::newRow("Выход, No") << true << Dialogs::Answer::No;
}

void MainWindowTest::exitQuestion()
{
    QFETCH(bool, byMenu);
    QFETCH(Dialogs::Answer, answer);
    Shell shell;
    shell.window.show();
    shell.dialogs.answer(answer);
    if (byMenu)
        shell.item("ItemExit")->trigger();
    else
        shell.window.close();

    QCOMPARE(shell.dialogs.shown().size(), 1);
    const Dialogs::Message& asked = shell.dialogs.last();
    QCOMPARE(asked.text, QStringLiteral("Вы действительно хотите завершить программу?"));
    QCOMPARE(asked.caption, QStringLiteral("Завершение работы"));
    QCOMPARE(asked.icon, Dialogs::Icon::Question);
    QCOMPARE(asked.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(asked.defaultButton, Dialogs::Answer::No);

    const bool yes = answer == Dialogs::Answer::Yes;
    QCOMPARE(shell.window.closingFlag(), yes);
    QCOMPARE(shell.window.isVisible(), !yes);
    QCOMPARE(shell.status(), QStringLiteral("Автономный режим."));
}

void MainWindowTest::noClearsAFlagSetBefore()
{
    Shell shell;
    shell.window.show();
    shell.window.setClosingFlag();
    shell.dialogs.answer(Dialogs::Answer::No);
    shell.window.close();
    QVERIFY(!shell.window.closingFlag());
    QVERIFY(shell.window.isVisible());
}

void MainWindowTest::delayWaitsItsTicks()
{
    Shell shell;
    int fired = 0;
    auto timer = shell.clock.createTimer(TickClock::Mode::SingleShot, [&] { ++fired; });
    timer->start(Ticks::ticks(20));
    shell.window.M_Delay(19);
    QCOMPARE(fired, 0);
    QCOMPARE(shell.clock.now(), Ticks::ticks(19));
    shell.window.M_Delay(1);
    QCOMPARE(fired, 1);
    QCOMPARE(shell.clock.now(), Ticks::ticks(20));
}

void MainWindowTest::delayReturnsAtOnceWhenClosing()
{
    Shell shell;
    shell.window.setClosingFlag();
    shell.window.M_Delay(20);
    QCOMPARE(shell.clock.now(), Ticks::ticks(0));
}

void MainWindowTest::yesDuringADelayEndsTheWait()
{
    Shell shell;
    shell.window.show();
    shell.dialogs.answer(Dialogs::Answer::Yes);
    auto timer = shell.clock.createTimer(TickClock::Mode::SingleShot, [&] { shell.window.close(); });
    timer->start(Ticks::ticks(3));
    shell.window.M_Delay(20);
    QVERIFY(shell.window.closingFlag());
    QCOMPARE(shell.clock.now(), Ticks::ticks(3));
}

void MainWindowTest::connectionMenuDrivesTheSerialLink()
{
    Shell shell;
    shell.dialogs.answerPort(QStringLiteral("/dev/ttyUSB0"));
    shell.item("USB2")->trigger();
    QCOMPARE(shell.serial.openedNames, QStringList{"/dev/ttyUSB0"});
    QCOMPARE(shell.status(), QStringLiteral("Подключение..."));

    shell.serial.push(QByteArray(1, '\x01'));
    QCOMPARE(shell.status(), QStringLiteral("ППК подключен по USB."));
    for (const QString& name : SixItems)
        QVERIFY2(shell.item(name)->isEnabled(), qPrintable(name));
    QVERIFY(!shell.wrBtn()->isHidden() && shell.wrBtn()->isEnabled());
    QVERIFY(!shell.gauge()->isHidden());

    const int before = int(shell.serial.writes.size());
    shell.item("ItemRead")->trigger();
    QCOMPARE(shell.serial.writes.mid(before), QList<QByteArray>{QByteArray::fromHex("52cb24007784")});
    QCOMPARE(shell.status(), QStringLiteral("Подключение по USB. Чтение..."));
    QVERIFY(!shell.item("ItemLink")->isEnabled());
    QVERIFY(shell.wrBtn()->isHidden());

    shell.item("BT")->trigger();
    QVERIFY(!shell.serial.isOpen());
    QCOMPARE(shell.status(), QStringLiteral("Автономный режим."));
    QVERIFY(shell.item("ItemLink")->isEnabled() && shell.item("ItemLoad")->isEnabled());
    QVERIFY(!shell.item("ItemRead")->isEnabled() && !shell.item("ItemWr")->isEnabled());
    QVERIFY(shell.gauge()->isHidden() && shell.wrBtn()->isHidden());
    QVERIFY(shell.dialogs.shown().isEmpty());
}

void MainWindowTest::serialBlockOutOfSequenceGivesTheControlsBack()
{
    Shell shell;
    shell.dialogs.answerPort(QStringLiteral("/dev/ttyUSB0"));
    shell.item("USB2")->trigger();
    shell.serial.push(Ready);
    shell.item("ItemRead")->trigger();
    shell.serial.push(readBlock(1));
    shell.serial.push(readBlock(3));

    QCOMPARE(shell.dialogs.texts(), QStringList{QStringLiteral("Нарушена последовательность блоков. Ждали 2, получили 3")});
    QCOMPARE(shell.clock.now(), Ticks::Duration(0));
    QVERIFY(!shell.window.closingFlag());
    QVERIFY(shell.item("ItemLoad")->isEnabled() && shell.item("ItemSave")->isEnabled());
    // The connect frame has gone out again; the panel's answer gives every command back.
    shell.serial.push(Ready);
    QCOMPARE(shell.status(), QStringLiteral("ППК подключен по USB."));
    QVERIFY(shell.allSixEnabled());
}

void MainWindowTest::remoteWaitAfterABrokenBlockSequence()
{
    Shell shell;
    shell.udp.onSend([&](const FakeDatagramSocket::Sent& sent) {
        if (sent.data == Frames::toBytes(Frames::remoteConnectFrame())) {
            shell.fromRemotePanel(Ready, Ticks::ticks(1));
        } else if (sent.data == Frames::toBytes(Frames::readRequest())) {
            shell.fromRemotePanel(Ack, Ticks::ticks(1));
            shell.fromRemotePanel(readBlock(1), Ticks::ticks(2));
            shell.fromRemotePanel(readBlock(3), Ticks::ticks(6));
        }
    });
    shell.fromRemotePanel(Frames::Announcement, 3s);
    shell.item("N2")->trigger();
    shell.clock.advance(Ticks::ticks(2));
    QVERIFY(shell.allSixEnabled());
    shell.item("ItemRead")->trigger();
    shell.clock.advance(5s);
    QCOMPARE(shell.dialogs.texts(), QStringList{QStringLiteral("Нарушена последовательность блоков. Ждали 2, получили 3")});
    QVERIFY(shell.item("ItemLink")->isEnabled());

    // "Удаленная" at once, without "Выход" first: the wait hears the panel again.
    shell.fromRemotePanel(Frames::Announcement, 3s);
    shell.item("N2")->trigger();
    QCOMPARE(shell.status(), QStringLiteral("Удаленный ППК IP: 192.168.1.30 подключен"));
    shell.clock.advance(Ticks::ticks(2));
    QVERIFY(shell.allSixEnabled());
    QCOMPARE(shell.dialogs.shown().size(), 1);
}

QTEST_MAIN(MainWindowTest)
#include "tst_MainWindow.moc"
