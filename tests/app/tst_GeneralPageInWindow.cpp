#include "GeneralPage.h"
#include "MainWindow.h"
#include "TestPlatform.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QTest>

namespace {

struct Shell : TestPlatform {
    MainWindow window{platform()};

    QWidget* child(const char* name) const { return window.findChild<QWidget*>(QLatin1String(name)); }
};

} // namespace

class GeneralPageInWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlsLiveOnTheirPages();
    void standAloneHidesTheTextsTab();
    void standAloneClearsTheWindowsImage();
};

void GeneralPageInWindowTest::controlsLiveOnTheirPages()
{
    Shell shell;
    QWidget* general = shell.child("SheetPblSet");
    QWidget* channels = shell.child("SheetKS");
    for (const char* name : {"grpSys", "ActivChBox", "PageCh", "EditAccount", "ConfPortEdit", "Gauge", "WrBtn"})
        QVERIFY2(general->isAncestorOf(shell.child(name)), name);
    for (const char* name : {"SimCount", "ChListBox", "ChList", "EditMac", "chkGL"})
        QVERIFY2(channels->isAncestorOf(shell.child(name)), name);
}

void GeneralPageInWindowTest::standAloneHidesTheTextsTab()
{
    Shell shell;
    auto* pages = shell.window.findChild<QTabWidget*>(QStringLiteral("PageConfig"));
    const int texts = pages->indexOf(shell.child("SheetMes"));
    pages->setTabVisible(texts, true);
    shell.window.generalPage().avtBox()->setChecked(true);
    QVERIFY(!pages->isTabVisible(texts));
}

void GeneralPageInWindowTest::standAloneClearsTheWindowsImage()
{
    Shell shell;
    shell.window.image().setByteAt(1, 0x40);
    shell.window.image().setByteAt(2, 0x12);
    shell.window.generalPage().avtBox()->setChecked(true);
    QCOMPARE(shell.window.image().byteAt(1), 0);
    QCOMPARE(shell.window.image().byteAt(2), 0x12);
}

QTEST_MAIN(GeneralPageInWindowTest)
#include "tst_GeneralPageInWindow.moc"
