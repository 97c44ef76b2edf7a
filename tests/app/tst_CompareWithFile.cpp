// "Сравнить с файлом…": what differs between the pages and a file, read the
// way "Загрузить" reads it, without changing the pages.
#include "CompareDialog.h"
#include "FactoryImage.h"
#include "FieldCatalogue.h"
#include "FileWindow.h"
#include "StringGrid.h"
#include "TestFiles.h"
#include "ZoneGrid.h"
#include "ZonesPage.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString FatalError = QStringLiteral("Возникла фатальная ошибка. Часть данных не загружена.");
const QString FormatQuestion = QStringLiteral("Формат файла не соответствует типу устройства! Загрузить файл конфигурации?");

// Three fields on three pages, away from the factory configuration, in image order.
const QList<std::pair<QString, QJsonValue>> ThreeChanges = {
    {QStringLiteral("general.siren_time_s"), 60},
    {QStringLiteral("zones[Z2].sensitivity_ms"), 300},
    {QStringLiteral("texts.alarm[1]"), QStringLiteral("Тревога на складе")},
};

struct Shell : FileWindow {
    QString writeIn(const QString& format, const ConfigImage& image)
    {
        return format == "json" ? writeJsonFile(QStringLiteral("other.json"), image)
                                : writeConfigFile(QStringLiteral("EC22.q22"), image);
    }

    CompareDialog* compare(const QString& path)
    {
        dialogs.answerOpen(path);
        item(QStringLiteral("ItemCompare"))->trigger();
        return window.findChild<CompareDialog*>();
    }

    static QTreeWidget* table(CompareDialog* dialog) { return dialog->findChild<QTreeWidget*>("Differences"); }

    static QStringList listedKeys(CompareDialog* dialog)
    {
        QStringList keys;
        if (QTreeWidget* rows = table(dialog)) {
            for (int i = 0; i < rows->topLevelItemCount(); ++i)
                keys << rows->topLevelItem(i)->data(0, CompareDialog::KeyRole).toString();
        }
        return keys;
    }
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
    void pagesThatFailACheckAreComparedAsFarAsTheBuildWent();
    void activatingARowBringsItsPageForward_data();
    void activatingARowBringsItsPageForward();
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
    QCOMPARE(shell.dialogs.last().caption, QStringLiteral("Загрузка конфигурации"));
    QVERIFY(shell.pagesImage() == factoryImage());
}

void CompareWithFileTest::pagesThatFailACheckAreComparedAsFarAsTheBuildWent()
{
    Shell shell;
    // Z3 switched on but in no group: the write command stops at Z3, after the
    // general bytes and before the groups.
    shell.window.zonesPage().gridZone().setCell(3, ZoneGrid::RowOn, StringGrid::Mark);
    const ConfigImage file = withValues(factoryImage(), {{QStringLiteral("general.siren_time_s"), 60},
                                                         {QStringLiteral("groups[1].exit_delay_s"), 45}});
    CompareDialog* dialog = shell.compare(shell.writeConfigFile(QStringLiteral("EC22.q22"), file));

    QVERIFY(dialog);
    QVERIFY(shell.dialogs.shown().isEmpty());
    QCOMPARE(shell.currentPage(), QStringLiteral("SheetPblSet"));
    QVERIFY(dialog->findChild<QLabel*>("FailedCheck")->text().contains(QStringLiteral("Шлейф Z3 не включен в группы!")));
    QCOMPARE(Shell::listedKeys(dialog), (QStringList{"general.siren_time_s", "zones[Z3].type"}));
}

void CompareWithFileTest::activatingARowBringsItsPageForward_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("page");
    QTest::newRow("zone") << "zones[Z2].sensitivity_ms" << "SheetZones";
    QTest::newRow("text") << "texts.alarm[1]" << "SheetMes";
    QTest::newRow("general") << "general.siren_time_s" << "SheetPblSet";
}

void CompareWithFileTest::activatingARowBringsItsPageForward()
{
    QFETCH(QString, key);
    QFETCH(QString, page);
    Shell shell;
    shell.window.findChild<QTabWidget*>("PageConfig")->setCurrentIndex(3);
    CompareDialog* dialog = shell.compare(shell.writeConfigFile(QStringLiteral("EC22.q22"),
                                                                withValues(factoryImage(), ThreeChanges)));
    QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
    QTreeWidget* rows = Shell::table(dialog);
    const int row = int(keysOf(ThreeChanges).indexOf(key));
    const QRect cell = rows->visualItemRect(rows->topLevelItem(row));
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(shell.currentPage(), page);
}

void CompareWithFileTest::openDialogOffersBothForms()
{
    Shell shell;
    shell.item(QStringLiteral("ItemCompare"))->trigger();   // cancelled
    QCOMPARE(shell.dialogs.openRequests().size(), 1);
    const QStringList filters = shell.dialogs.openRequests().constFirst().filters;
    QVERIFY(filters.contains(QStringLiteral("Конфигурации Зорвел Lite (EC*.q22)")));
    QVERIFY(filters.contains(QStringLiteral("Конфигурации в JSON (*.json)")));
    QVERIFY(!shell.window.findChild<CompareDialog*>());
    QVERIFY(shell.dialogs.shown().isEmpty());
}

QTEST_MAIN(CompareWithFileTest)
#include "tst_CompareWithFile.moc"
