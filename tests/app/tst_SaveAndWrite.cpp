#include "ChannelPages.h"
#include "ConfigImage.h"
#include "Frames.h"
#include "GeneralPage.h"
#include "MainWindow.h"
#include "PanelLink.h"
#include "SmsPage.h"
#include "TestPlatform.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray WriteRequest = Frames::toBytes(Frames::writeRequest());
const QByteArray Signature = QByteArray::fromHex("5a512e333255");

struct Shell : TestPlatform {
    MainWindow window{platform()};
    QTemporaryDir dir;

    Shell() { window.show(); }

    GeneralPage& general() { return window.generalPage(); }
    QAction* item(const char* name) { return window.findChild<QAction*>(name); }
    QString path() const { return dir.filePath(QStringLiteral("EC22.q22")); }
    QByteArray saved() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A panel on the USB line that has answered the connect frame.
    void linkPanel()
    {
        dialogs.answerPort(QStringLiteral("/dev/ttyUSB0"));
        item("USB2")->trigger();
        serial.push(QByteArray(1, '\x01'));
        QVERIFY(window.link().vars().PanelLinked);
        serial.writes.clear();
    }
    // A configuration that reports over neither SMS nor stand-alone, as a
    // restored channel configuration may.
    void neitherSmsNorStandAlone()
    {
        const auto blockers = general().suspendChannelClicks();
        general().voiceBox()->setChecked(false);
        general().avtBox()->setChecked(false);
        general().gsmBox()->setChecked(true);
    }
    bool menusEnabled()
    {
        for (const char* name : {"ItemLink", "ItemSave", "ItemLoad", "ItemDefault"}) {
            if (!item(name)->isEnabled())
                return false;
        }
        return true;
    }
};

} // namespace

class SaveAndWriteTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveWritesTheFactoryConfiguration();
    void cancelledSaveWritesNothing();
    void failedCheckShowsNoDialog();
    void saveWithSmsNeverSends();
    void continuationWithoutLinkKeepsTheMenus();
    void continuationWithLinkedPanelSendsTheWriteRequest();
    void writeCommandsSendTheImage_data();
    void writeCommandsSendTheImage();
};

void SaveAndWriteTest::saveWritesTheFactoryConfiguration()
{
    Shell shell;
    shell.dialogs.answerSave(shell.path());
    shell.item("ItemSave")->trigger();

    QCOMPARE(shell.dialogs.saveRequests().size(), 1);
    const Dialogs::FileRequest& request = shell.dialogs.saveRequests().constFirst();
    QCOMPARE(request.fileName, QStringLiteral("EC22"));
    QCOMPARE(request.title, QStringLiteral("Сохранение конфигурации"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("q22"));
    const QByteArray file = shell.saved();
    QCOMPARE(file.size(), 9425);
    QCOMPARE(file.left(6), Signature);
    QCOMPARE(file.mid(6), shell.window.image().bytes());
    QCOMPARE(shell.window.image().value(ImageLayout::LayoutMark), 0x4903u);
    // The factory configuration has no phone and no balance request.
    QCOMPARE(shell.dialogs.texts(), (QStringList{QStringLiteral("СМС не будут отправлены: не указан ни один номер телефона."),
                                                 QStringLiteral("Не заполнен запрос баланса на карточке. Продолжить?")}));
    QVERIFY(!shell.window.saveRequest());
    QVERIFY(shell.menusEnabled());
    QVERIFY(shell.serial.writes.isEmpty());
}

void SaveAndWriteTest::cancelledSaveWritesNothing()
{
    Shell shell;
    shell.dialogs.answerSave(std::nullopt);
    shell.item("ItemSave")->trigger();
    QCOMPARE(shell.dialogs.saveRequests().size(), 1);
    QVERIFY(!QFile::exists(shell.path()));
    QVERIFY(!shell.window.saveRequest());
    QVERIFY(shell.menusEnabled());
}

void SaveAndWriteTest::failedCheckShowsNoDialog()
{
    Shell shell;
    shell.general().editAccount()->setText(QStringLiteral("EC2"));
    shell.dialogs.answerSave(shell.path());
    shell.item("ItemSave")->trigger();
    QCOMPARE(shell.dialogs.texts(), QStringList{QStringLiteral("Проверьте номер ППК !")});
    QVERIFY(shell.dialogs.saveRequests().isEmpty());
    QVERIFY(!QFile::exists(shell.path()));
    QVERIFY(!shell.window.saveRequest());
}

void SaveAndWriteTest::saveWithSmsNeverSends()
{
    Shell shell;
    shell.linkPanel();
    QVERIFY(shell.general().voiceBox()->isChecked());
    shell.dialogs.answerSave(shell.path());
    shell.item("ItemSave")->trigger();
    QCOMPARE(shell.saved().size(), 9425);
    QVERIFY(!shell.serial.writes.contains(WriteRequest));
    QVERIFY(shell.item("ItemWr")->isEnabled());
    QVERIFY(shell.menusEnabled());

    // The next write goes to the panel and asks for no file.
    shell.item("ItemWr")->trigger();
    QCOMPARE(shell.dialogs.saveRequests().size(), 1);
    QVERIFY(shell.serial.writes.contains(WriteRequest));
}

void SaveAndWriteTest::continuationWithoutLinkKeepsTheMenus()
{
    Shell shell;
    shell.neitherSmsNorStandAlone();
    shell.dialogs.answerSave(shell.path());
    shell.item("ItemSave")->trigger();
    QCOMPARE(shell.saved().size(), 9425);
    QVERIFY(shell.menusEnabled());
    QVERIFY(shell.serial.writes.isEmpty());
    QVERIFY(!shell.window.saveRequest());
}

void SaveAndWriteTest::continuationWithLinkedPanelSendsTheWriteRequest()
{
    Shell shell;
    shell.linkPanel();
    shell.neitherSmsNorStandAlone();
    shell.dialogs.answerSave(shell.path());
    shell.item("ItemSave")->trigger();
    QCOMPARE(shell.saved().size(), 9425);
    QCOMPARE(shell.serial.writes, QList<QByteArray>{WriteRequest});
    QVERIFY(!shell.item("ItemSave")->isEnabled());
    QVERIFY(!shell.window.saveRequest());
}

void SaveAndWriteTest::writeCommandsSendTheImage_data()
{
    QTest::addColumn<bool>("button");
    QTest::newRow("ItemWr") << false;
    QTest::newRow("WrBtn") << true;
}

void SaveAndWriteTest::writeCommandsSendTheImage()
{
    QFETCH(bool, button);
    Shell shell;
    shell.linkPanel();
    shell.general().pageCh()->sheetVoice->edtBl->setText(QStringLiteral("*111#"));
    shell.dialogs.forget();
    auto* pageConfig = shell.window.findChild<QTabWidget*>("PageConfig");
    pageConfig->setCurrentWidget(shell.window.findChild<QWidget*>("SheetZones"));
    if (button)
        QTest::mouseClick(shell.window.findChild<QPushButton*>("WrBtn"), Qt::LeftButton);
    else
        shell.item("ItemWr")->trigger();
    QCOMPARE(shell.serial.writes, QList<QByteArray>{WriteRequest});
    QVERIFY(shell.dialogs.saveRequests().isEmpty());
    QCOMPARE(shell.window.image().chars(ImageLayout::BalanceRequest), QByteArray("*111#"));
    QVERIFY(!shell.item("ItemWr")->isEnabled());
    // The menu command brings the general page to the front; the button is on it already.
    QCOMPARE(pageConfig->currentWidget()->objectName(), button ? QStringLiteral("SheetZones") : QStringLiteral("SheetPblSet"));
}

QTEST_MAIN(SaveAndWriteTest)
#include "tst_SaveAndWrite.moc"
