// "Сравнить с файлом…": what differs between the pages and a file, read the
// way "Загрузить" reads it, without changing the pages.
#include "ChannelPages.h"
#include "CompareDialog.h"
#include "FactoryImage.h"
#include "FieldCatalogue.h"
#include "CompareWindow.h"
#include "GeneralPage.h"
#include "SmsPage.h"
#include "StringGrid.h"
#include "TestFiles.h"
#include "ZoneGrid.h"
#include "ZonesPage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString FatalError = QStringLiteral("Возникла фатальная ошибка. Часть данных не загружена.");
const QString FormatQuestion =
    QStringLiteral("Формат файла не соответствует типу устройства! Сравнить страницы с этим файлом?");
const QString Caption = QStringLiteral("Сравнение с файлом");
const QString PhoneA = QStringLiteral("+380501234567");
const QString PhoneB = QStringLiteral("+380671112233");
const QString PhoneC = QStringLiteral("+380939998877");

// Three fields on three pages, away from the factory configuration, in image order.
const QList<std::pair<QString, QJsonValue>> ThreeChanges = {
    {QStringLiteral("general.siren_time_s"), 60},
    {QStringLiteral("zones[Z2].sensitivity_ms"), 300},
    {QStringLiteral("texts.alarm[1]"), QStringLiteral("Тревога на складе")},
};

struct Shell : CompareWindow {
    QString writeIn(const QString& format, const ConfigImage& image)
    {
        return format == "json" ? writeJsonFile(QStringLiteral("other.json"), image)
                                : writeConfigFile(QStringLiteral("EC22.q22"), image);
    }

    static void doubleClick(CompareDialog* dialog, QTreeWidgetItem* row)
    {
        QTreeWidget* rows = table(dialog);
        const QRect cell = rows->visualItemRect(row);
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, cell.center());
    }

    SmsPage& sms() { return *window.generalPage().pageCh()->sheetVoice; }
};

QStringList keysOf(const QList<std::pair<QString, QJsonValue>>& changes)
{
    QStringList keys;
    for (const auto& change : changes)
        keys << change.first;
    return keys;
}

} // namespace

class CompareWithFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsExactlyTheFieldsThatDiffer_data();
    void listsExactlyTheFieldsThatDiffer();
    void identicalFileHasNoDifferences_data();
    void identicalFileHasNoDifferences();
    void fileThatFailsToLoadGivesTheLoadsMessage_data();
    void fileThatFailsToLoadGivesTheLoadsMessage();
    void pagesThatFailChecksAreComparedWhole_data();
    void pagesThatFailChecksAreComparedWhole();
    void emptyValuesAreNamed();
    void activatingARowBringsItsFieldIntoSight_data();
    void activatingARowBringsItsFieldIntoSight();
    void dialogMovesOffTheFieldItShows();
    void opensWideEnoughAndKeepsTheSizeGiven();
    void listIsCopiedAsTabSeparatedText();
    void listIsPrintedOrSavedAsPdf_data();
    void listIsPrintedOrSavedAsPdf();
    void openDialogOffersBothForms();
};

void CompareWithFileTest::listsExactlyTheFieldsThatDiffer_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow(".q22") << "q22";
    QTest::newRow("JSON form") << "json";
}

void CompareWithFileTest::listsExactlyTheFieldsThatDiffer()
{
    QFETCH(QString, format);
    Shell shell;
    const ConfigImage before = shell.pagesImage();
    CompareDialog* dialog = shell.compare(shell.writeIn(format, withValues(factoryImage(), ThreeChanges)));

    QVERIFY(dialog);
    QVERIFY(shell.dialogs.shown().isEmpty());
    QCOMPARE(Shell::listedKeys(dialog), keysOf(ThreeChanges));
    QTreeWidget* rows = Shell::table(dialog);
    for (int i = 0; i < rows->topLevelItemCount(); ++i) {
        const CatalogueField* field = FieldCatalogue::find(ThreeChanges.at(i).first);
        QCOMPARE(rows->topLevelItem(i)->text(0), field->page);
        QVERIFY2(rows->topLevelItem(i)->text(1).endsWith(field->caption), qPrintable(rows->topLevelItem(i)->text(1)));
    }
    const QTreeWidgetItem* siren = rows->topLevelItem(0);
    QCOMPARE(siren->text(1), QStringLiteral("Времена — Вкл. сирены, с"));
    QCOMPARE(siren->text(2), QStringLiteral("20"));
    QCOMPARE(siren->text(3), QStringLiteral("60"));
    QVERIFY(!dialog->findChild<QLabel*>("FailedCheck"));
    QCOMPARE(dialog->findChild<QLabel*>("DifferenceCount")->text(), QStringLiteral("Различий: 3"));
    QCOMPARE(dialog->windowTitle(), Caption);

    QVERIFY(shell.pagesImage() == before);
    QCOMPARE(shell.currentPage(), QStringLiteral("SheetPblSet"));
}

void CompareWithFileTest::identicalFileHasNoDifferences_data()
{
    listsExactlyTheFieldsThatDiffer_data();
}

void CompareWithFileTest::identicalFileHasNoDifferences()
{
    QFETCH(QString, format);
    Shell shell;
    CompareDialog* dialog = shell.compare(shell.writeIn(format, factoryImage()));
    QVERIFY(dialog);
    QVERIFY(!Shell::table(dialog));
    QCOMPARE(dialog->findChild<QLabel*>("NoDifferences")->text(), QStringLiteral("Различий нет"));
    QVERIFY(shell.dialogs.shown().isEmpty());
}

void CompareWithFileTest::fileThatFailsToLoadGivesTheLoadsMessage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");   // what the one box shown says

    const QByteArray image = factoryImage().bytes();
    QTest::newRow("cut short") << "EC22.q22" << QByteArray("ZQ.32U") + image.left(100) << FatalError;
    QTest::newRow("foreign signature, No") << "EC22.q22" << QByteArray("AB.32U") + image << FormatQuestion;
    QTest::newRow("not a configuration file") << "EC22.bin" << QByteArray("ZQ.32U") + image
                                              << QStringLiteral("не является файлом конфигурации");
    QTest::newRow("JSON that is no configuration") << "other.json" << QByteArray("{\"format\": \"other\"}")
                                                   << QStringLiteral("не прочитан как конфигурация в JSON");
}

void CompareWithFileTest::fileThatFailsToLoadGivesTheLoadsMessage()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    Shell shell;
    QVERIFY(writeFile(shell.path(name), content));
    shell.dialogs.answer(Dialogs::Answer::No);

    QVERIFY(!shell.compare(shell.path(name)));
    QCOMPARE(shell.dialogs.shown().size(), 1);
    QVERIFY2(shell.dialogs.last().text.contains(message), qPrintable(shell.dialogs.last().text));
    // The comparison's own caption: nothing is about to replace the pages.
    for (const Dialogs::Message& box : shell.dialogs.shown())
        QCOMPARE(box.caption, Caption);
    QVERIFY(shell.pagesImage() == factoryImage());
}

void CompareWithFileTest::pagesThatFailChecksAreComparedWhole_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("keys");       // the rows, in the pages' order
    QTest::addColumn<QString>("unreadableKey");
    QTest::addColumn<QString>("unreadableValue");
    QTest::addColumn<QString>("check");

    // Phones 1 and 3 with their call boxes ticked; the siren and the balance
    // request changed after the file was written, and phone 2 cut short.
    QTest::newRow("phone cut short")
        << "phone" << QStringList{"sms.phones[2]", "sms.balance_request", "general.siren_time_s"} << "sms.phones[2]"
        << QStringLiteral("не читается: «+3806»")
        << QStringLiteral("Нарушен формат номера телефона для получения СМС. (+380ххххххххх)");
    QTest::newRow("three-character panel number")
        << "account" << QStringList{"channels[1].account", "sms.balance_request", "general.siren_time_s"}
        << "channels[1].account" << QStringLiteral("не читается: «EC2»") << QStringLiteral("Проверьте номер ППК !");
}

void CompareWithFileTest::pagesThatFailChecksAreComparedWhole()
{
    QFETCH(QString, fault);
    QFETCH(QStringList, keys);
    QFETCH(QString, unreadableKey);
    QFETCH(QString, unreadableValue);
    QFETCH(QString, check);
    Shell shell;
    const QStringList phones = {PhoneA, PhoneB, PhoneC};
    for (int n = 0; n < phones.size(); ++n)
        shell.sms().phV[n]->setText(phones.at(n));
    shell.sms().chkCh[0]->setChecked(true);
    shell.sms().chkCh[2]->setChecked(true);
    shell.sms().edtBl->setText(QStringLiteral("*100#"));
    const QString file = shell.writeConfigFile(QStringLiteral("EC22.q22"), shell.pagesImage());

    shell.window.generalPage().delaySiren()->setValue(100);
    shell.sms().edtBl->setText(QStringLiteral("*222#"));
    if (fault == "phone")
        shell.sms().phV[1]->setText(QStringLiteral("+3806"));
    else
        shell.window.generalPage().editAccount()->setText(QStringLiteral("EC2"));
    shell.dialogs.forget();
    CompareDialog* dialog = shell.compare(file);

    QVERIFY(dialog);
    QVERIFY(shell.dialogs.shown().isEmpty());
    QCOMPARE(shell.currentPage(), QStringLiteral("SheetPblSet"));
    QCOMPARE(Shell::listedKeys(dialog), keys);
    QCOMPARE(Shell::row(dialog, unreadableKey)->text(2), unreadableValue);
    QCOMPARE(Shell::row(dialog, QStringLiteral("general.siren_time_s"))->text(2), QStringLiteral("100"));
    QCOMPARE(Shell::row(dialog, QStringLiteral("sms.balance_request"))->text(2), QStringLiteral("*222#"));
    QVERIFY(dialog->findChild<QLabel*>("FailedCheck")->text().contains(check));
    QCOMPARE(dialog->findChild<QLabel*>("DifferenceCount")->text(), QStringLiteral("Различий: 3"));
}

void CompareWithFileTest::emptyValuesAreNamed()
{
    Shell shell;
    const ConfigImage file = withValues(factoryImage(), {{QStringLiteral("sms.phones[2]"), PhoneB},
                                                         {QStringLiteral("zones[K2].type"), QJsonArray{"Включен"}}});
    CompareDialog* dialog = shell.compare(shell.writeConfigFile(QStringLiteral("EC22.q22"), file));
    QVERIFY(dialog);
    QCOMPARE(Shell::row(dialog, QStringLiteral("sms.phones[2]"))->text(2), QStringLiteral("нет"));
    QCOMPARE(Shell::row(dialog, QStringLiteral("zones[K2].type"))->text(2), QStringLiteral("выкл."));
    QTreeWidget* rows = Shell::table(dialog);
    for (int i = 0; i < rows->topLevelItemCount(); ++i) {
        for (int column = 0; column < rows->columnCount(); ++column)
            QVERIFY2(!rows->topLevelItem(i)->text(column).isEmpty(), qPrintable(rows->topLevelItem(i)->text(1)));
    }
}

void CompareWithFileTest::activatingARowBringsItsFieldIntoSight_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("value");   // what the file holds there
    QTest::addColumn<QString>("page");       // PageConfig's current page afterwards
    QTest::addColumn<QString>("control");    // the focused control; empty: the field is not on the pages

    QTest::newRow("zone") << "zones[Z2].sensitivity_ms" << QJsonValue(300) << "SheetZones" << "GridZone";
    QTest::newRow("text") << "texts.alarm[1]" << QJsonValue("Тревога на складе") << "SheetMes" << "AlarmMesGrid";
    QTest::newRow("general") << "general.siren_time_s" << QJsonValue(60) << "SheetPblSet" << "DelaySiren";
    QTest::newRow("phone") << "sms.phones[1]" << QJsonValue(PhoneA) << "SheetPblSet" << "PhV1";
    QTest::newRow("Wi-Fi, its tab hidden") << "wifi.ssid" << QJsonValue("Office") << "SheetPblSet" << "edtSSID";
    QTest::newRow("Ethernet, its tab hidden") << "channels[2].local_port" << QJsonValue(8000) << "SheetPblSet"
                                              << "EditPort_Loc";
    QTest::newRow("user") << "users[3].groups" << QJsonValue(QJsonArray{2}) << "SheetZones" << "GridUsers";
    QTest::newRow("identifier, never shown") << "channels[1].account" << QJsonValue("AB12") << "SheetZones" << "";
    QTest::newRow("MAC number, never shown") << "channels[2].mac_number" << QJsonValue(7) << "SheetZones" << "";
}

void CompareWithFileTest::activatingARowBringsItsFieldIntoSight()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QFETCH(QString, page);
    QFETCH(QString, control);
    Shell shell;
    // A field not on the pages leaves the page in front as it was.
    shell.window.findChild<QTabWidget*>("PageConfig")->setCurrentIndex(1);
    CompareDialog* dialog = shell.compare(shell.writeConfigFile(QStringLiteral("EC22.q22"),
                                                                withValues(factoryImage(), {{key, value}})));
    QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
    QTreeWidgetItem* row = Shell::row(dialog, key);
    QVERIFY(row);
    Shell::doubleClick(dialog, row);

    QCOMPARE(shell.currentPage(), page);
    auto* notShown = dialog->findChild<QLabel*>("FieldNotShown");
    if (control.isEmpty()) {
        QVERIFY(!notShown->isHidden());
        QCOMPARE(notShown->text(), QStringLiteral("«%1» на страницах не показывается.").arg(row->text(1)));
        return;
    }
    QVERIFY(notShown->isHidden());
    QWidget* focused = shell.window.focusWidget();
    QVERIFY(focused);
    QCOMPARE(focused->objectName(), control);
    QVERIFY(focused->isVisible());
    if (auto* grid = qobject_cast<StringGrid*>(focused)) {
        QVERIFY(grid->gridRow() >= 1);
        QVERIFY(grid->gridColumn() >= 1);
    }
}

void CompareWithFileTest::dialogMovesOffTheFieldItShows()
{
    Shell shell;
    shell.preferences.setValue(CompareDialog::SizeKey, QSize(440, 240));
    CompareDialog* dialog = shell.compare(shell.writeConfigFile(QStringLiteral("EC22.q22"),
                                                                withValues(factoryImage(), ThreeChanges)));
    QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(dialog->size(), QSize(440, 240));
    QSpinBox* siren = shell.window.generalPage().delaySiren();
    const QRect field(siren->mapToGlobal(QPoint(0, 0)), siren->size());
    dialog->move(field.topLeft());
    QVERIFY(dialog->frameGeometry().intersects(field));

    Shell::doubleClick(dialog, Shell::row(dialog, QStringLiteral("general.siren_time_s")));
    QCOMPARE(shell.window.focusWidget(), siren);
    QVERIFY2(!dialog->frameGeometry().intersects(field), qPrintable(QStringLiteral("%1,%2").arg(dialog->x()).arg(dialog->y())));
    QVERIFY(dialog->screen()->availableGeometry().contains(dialog->frameGeometry()));
}

void CompareWithFileTest::opensWideEnoughAndKeepsTheSizeGiven()
{
    Shell shell;
    const QString file = shell.writeConfigFile(
        QStringLiteral("EC22.q22"),
        withValues(factoryImage(), {{QStringLiteral("texts.alarm[1]"), QStringLiteral("Тревога на складе номер два")},
                                    {QStringLiteral("update.server"), QStringLiteral("ftp.example.com/firmware/zq22")}}));
    CompareDialog* dialog = shell.compare(file);
    QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
    // Every column whole: nothing to scroll sideways.
    QTreeWidget* rows = Shell::table(dialog);
    QVERIFY2(rows->header()->length() <= rows->viewport()->width(),
             qPrintable(QStringLiteral("%1 > %2").arg(rows->header()->length()).arg(rows->viewport()->width())));
    QVERIFY(!rows->horizontalScrollBar()->isVisible());

    dialog->resize(500, 300);
    dialog->close();
    QTRY_VERIFY(!shell.window.findChild<CompareDialog*>());
    QCOMPARE(shell.preferences.value(CompareDialog::SizeKey).toSize(), QSize(500, 300));
    dialog = shell.compare(file);
    QVERIFY(dialog);
    QCOMPARE(dialog->size(), QSize(500, 300));
}

void CompareWithFileTest::listIsCopiedAsTabSeparatedText()
{
    Shell shell;
    CompareDialog* dialog = shell.compare(shell.writeConfigFile(QStringLiteral("EC22.q22"),
                                                                withValues(factoryImage(), ThreeChanges)));
    QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
    QApplication::clipboard()->clear();
    QTreeWidget* rows = Shell::table(dialog);
    rows->setFocus();
    rows->setCurrentItem(rows->topLevelItem(1));
    QTest::keySequence(rows, QKeySequence::Copy);
    // The whole list, not the current row alone.
    QStringList lines = {QStringLiteral("Страница\tПараметр\tНа страницах\tВ файле"),
                         QStringLiteral("Общие установки\tВремена — Вкл. сирены, с\t20\t60")};
    for (int i = 1; i < rows->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int column = 0; column < rows->columnCount(); ++column)
            cells << rows->topLevelItem(i)->text(column);
        lines << cells.join(u'\t');
    }
    QCOMPARE(rows->topLevelItemCount(), 3);
    QCOMPARE(QApplication::clipboard()->text(), lines.join(u'\n') + u'\n');
    QApplication::clipboard()->clear();
    dialog->findChild<QPushButton*>("CopyList")->click();
    QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("Страница\t")));
}

void CompareWithFileTest::listIsPrintedOrSavedAsPdf_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("saved as PDF") << "SaveListPdf";
    QTest::newRow("printed to a PDF printer") << "PrintList";
}

void CompareWithFileTest::listIsPrintedOrSavedAsPdf()
{
    QFETCH(QString, button);
    Shell shell;
    CompareDialog* dialog = shell.compare(shell.writeConfigFile(QStringLiteral("EC22.q22"),
                                                                withValues(factoryImage(), ThreeChanges)));
    QVERIFY(dialog);
    const QString pdf = shell.path(QStringLiteral("list.pdf"));
    shell.dialogs.answerSave(pdf);
    shell.dialogs.answerPrint(pdf);
    dialog->findChild<QPushButton*>(button)->click();
    QVERIFY(readFile(pdf).startsWith("%PDF-1."));
    QVERIFY(shell.dialogs.shown().isEmpty());
    if (button != "SaveListPdf")
        return;
    QCOMPARE(shell.dialogs.saveRequests().constFirst().defaultSuffix, QStringLiteral("pdf"));
    // A file that cannot be written is said to be so, in the comparison's words.
    shell.dialogs.answerSave(shell.path(QStringLiteral("no such folder/list.pdf")));
    dialog->findChild<QPushButton*>(button)->click();
    QCOMPARE(shell.dialogs.shown().size(), 1);
    QCOMPARE(shell.dialogs.last().caption, Caption);
    QVERIFY(shell.dialogs.last().text.contains(QStringLiteral("no such folder/list.pdf")));
}

void CompareWithFileTest::openDialogOffersBothForms()
{
    Shell shell;
    shell.item(QStringLiteral("ItemCompare"))->trigger();   // cancelled
    QCOMPARE(shell.dialogs.openRequests().size(), 1);
    const QStringList filters = shell.dialogs.openRequests().constFirst().filters;
    QCOMPARE(filters.constFirst(), QStringLiteral("Конфигурации Зорвел Lite (*.q22 *.json)"));
    QVERIFY(filters.contains(QStringLiteral("Конфигурации в JSON (*.json)")));
    QVERIFY(!shell.window.findChild<CompareDialog*>());
    QVERIFY(shell.dialogs.shown().isEmpty());
}

QTEST_MAIN(CompareWithFileTest)
#include "tst_CompareWithFile.moc"
