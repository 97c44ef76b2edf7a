// "Отчёт…": the configuration on the pages as a document for the customer.
#include "ConfigurationReport.h"
#include "DifferencesReport.h"
#include "FactoryImage.h"
#include "FieldCatalogue.h"
#include "ChannelPages.h"
#include "FileWindow.h"
#include "GeneralPage.h"
#include "PagedReport.h"
#include "ReportDialog.h"
#include "ReportDocument.h"
#include "SampleConfigs.h"
#include "SmsPage.h"
#include "NonRegularFiles.h"
#include "StringGrid.h"
#include "TestFiles.h"
#include "ZoneGrid.h"
#include "ZonesPage.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTest>

namespace {

using Rows = QList<QStringList>;

struct Shell : FileWindow {
    ReportDialog* report()
    {
        item(QStringLiteral("ItemReport"))->trigger();
        return window.findChild<ReportDialog*>();
    }
    // The pages as "Загрузить" leaves them with the configuration.
    void load(const ConfigImage& image)
    {
        dialogs.answerOpen(writeConfigFile(QStringLiteral("site.q22"), image));
        item(QStringLiteral("ItemLoad"))->trigger();
    }
};

ReportContent contentOf(const ConfigImage& image, const ReportContent::Options& options = {})
{
    const ReportContent::Source source{{image, {}, {}}, QStringLiteral("EC22"), QStringLiteral("19.02.19"),
                                       QDateTime(QDate(2026, 12, 11), QTime(10, 30)), {}};
    return options.onlyNonFactory ? DifferencesReport::of(source, options) : ConfigurationReport::of(source, options);
}

QString textOf(const ReportContent& content)
{
    return ReportDocument(content).document().toPlainText();
}

QStringList headingsOf(const ReportContent& content)
{
    QStringList headings;
    for (const ReportContent::Table& table : content.tables)
        headings << table.heading;
    return headings;
}

ReportContent::Table tableOf(const ReportContent& content, const QString& heading)
{
    for (const ReportContent::Table& table : content.tables) {
        if (table.heading == heading)
            return table;
    }
    return {};
}

Rows rowsOf(const ReportContent& content, const QString& heading)
{
    Rows rows;
    for (const ReportContent::Row& row : tableOf(content, heading).rows)
        rows << row.cells;
    return rows;
}

QStringList keysOf(const ReportContent& content)
{
    QStringList keys;
    for (const ReportContent::Table& table : content.tables) {
        for (const ReportContent::Row& row : table.rows)
            keys << row.key;
    }
    return keys;
}

// The subheadings of a table: its rows of one cell.
QStringList subheadingsOf(const ReportContent& content, const QString& heading)
{
    QStringList subheadings;
    for (const QStringList& cells : rowsOf(content, heading)) {
        if (cells.size() == 1)
            subheadings << cells.constFirst();
    }
    return subheadings;
}

// A column of a table with column headings, under its heading.
QStringList columnOf(const ReportContent& content, const QString& heading, const QString& column)
{
    const ReportContent::Table table = tableOf(content, heading);
    const qsizetype index = table.columns.indexOf(column);
    QStringList cells;
    for (const ReportContent::Row& row : table.rows)
        cells << row.cells.value(index);
    return cells;
}

qsizetype pagesIn(const QByteArray& pdf)
{
    return QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b")));
}

const QStringList FactoryHeadings = {
    "Общие установки",
    "Шлейфы сигнализации",
    "Группы",
    "Пользователи",
    "Каналы связи",
    "Тексты извещений: события",
    "Тексты извещений: шлейфы",
    "Тексты извещений: пользователи",
    "Тексты извещений: состояния ППК",
};

} // namespace

class ReportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void holdsTheAccountAndTheTablesInUse();
    void optionKeepsOnlyTheFieldsAwayFromTheFactory();
    void differencesShowTheFactoryValueBesideTheSetOne();
    void writesAPdfWithPages_data();
    void writesAPdfWithPages();
    void pdfNeverReplacesANonRegularFile();
    void pagesThatFailChecksAreReportedAsTheyShow_data();
    void pagesThatFailChecksAreReportedAsTheyShow();
    void unreadableSecretsAreMaskedToo();
    void textsAreShownAsTheyAreTyped();
    void headerNamesTheSiteAndTheCompanyOrLeavesLinesToFill();
    void companyIsKeptBetweenRuns();
    void passwordsAndCodesAreMaskedUnlessShown_data();
    void passwordsAndCodesAreMaskedUnlessShown();
    void internalFieldsOnlyInTheDetailedReport_data();
    void internalFieldsOnlyInTheDetailedReport();
    void optionsOfTheDialogRemakeTheReport();
    void zonesInOneTableWithAColumnPerZone();
    void usersAsRangesWithTheirGroups_data();
    void usersAsRangesWithTheirGroups();
    void onlyTheGroupsChannelsAndTextsInUse();
    void aPanelWithoutSmsHasNoTextsNorChannels();
    void headingsStayWithTheirTablesOnPaper();
};

void ReportTest::holdsTheAccountAndTheTablesInUse()
{
    Shell shell;
    ReportDialog* dialog = shell.report();
    QVERIFY(dialog);
    const ReportContent& content = dialog->content();
    QCOMPARE(content.account, QStringLiteral("EC22"));
    QCOMPARE(content.programVersion, QStringLiteral("19.02.19"));
    QVERIFY(content.madeAt.isValid());
    QVERIFY(!content.options.onlyNonFactory);
    QCOMPARE(headingsOf(content), FactoryHeadings);
    QCOMPARE(content.tables.constFirst().heading, QStringLiteral("Общие установки"));
    // Pages that pass every check: nothing to warn of.
    QVERIFY(content.failedChecks.isEmpty());
    QVERIFY(!dialog->findChild<QLabel*>("FailedCheck"));
    // No field the factory leaves unused: the channels past the remote
    // configuration, the groups past the first, every user on its own.
    const QString text = textOf(content);
    for (const char* unused : {"Канал 3", "Группы, строка 2", "Пользователь 2", "Строка 7", "Резерв", "Внимание"})
        QVERIFY2(!text.contains(QString::fromUtf8(unused)), unused);
}

void ReportTest::optionKeepsOnlyTheFieldsAwayFromTheFactory()
{
    Shell shell;
    shell.window.generalPage().editAccount()->setText(QStringLiteral("AB12"));
    shell.window.generalPage().delaySiren()->setValue(60);
    ReportDialog* dialog = shell.report();
    auto* option = dialog->findChild<QCheckBox*>("OnlyNonFactory");
    QCOMPARE(option->text(), QStringLiteral("Только отличия от заводских установок"));

    option->setChecked(true);
    QVERIFY(dialog->content().options.onlyNonFactory);
    QCOMPARE(dialog->content().account, QStringLiteral("AB12"));
    QCOMPARE(keysOf(dialog->content()), (QStringList{"channels[1].account", "general.siren_time_s"}));
    QCOMPARE(dialog->content().tables.constLast().rows.constLast().cells.constLast(), QStringLiteral("60"));
    QCOMPARE(rowsOf(dialog->content(), QStringLiteral("Общие установки")),
             (Rows{{"Идентификатор ППК", "EC22", "AB12"}, {"Времена: Вкл. сирены, с", "20", "60"}}));
    QVERIFY(textOf(dialog->content()).contains(QStringLiteral("Только отличия от заводских установок")));

    option->setChecked(false);
    QVERIFY(keysOf(dialog->content()).size() > 2);
}

void ReportTest::differencesShowTheFactoryValueBesideTheSetOne()
{
    const ConfigImage site = SampleConfigs::siteWithSixZones();
    const ReportContent content = contentOf(site, {true, false, false, {}});
    const ReportContent::Table general = tableOf(content, QStringLiteral("Общие установки"));
    QCOMPARE(general.columns, (QStringList{"Параметр", "Заводская установка", "Установлено"}));
    const Rows rows = rowsOf(content, QStringLiteral("Общие установки"));
    QVERIFY(rows.contains(QStringList{"СМС: Номер 1", "—", "+380501234567"}));
    QVERIFY(rows.contains(QStringList{"Настройка в сети WiFi: Пароль", "—", "••••"}));
    QVERIFY(rowsOf(content, QStringLiteral("Шлейфы сигнализации"))
                .contains(QStringList{"Z3: Чувствит., мс", "60", "300"}));
    QVERIFY(!textOf(content).contains(QStringLiteral("Pa55-word")));

    // A changed value the panel keeps for itself only in the detailed report.
    ConfigImage marked = site;
    marked.setValue(ImageLayout::zoneField(1, ImageLayout::Zone::Marker), 0x1E);
    QVERIFY(!keysOf(contentOf(marked, {true, false, false, {}})).contains(QStringLiteral("zones[Z1].marker")));
    QVERIFY(keysOf(contentOf(marked, {true, false, true, {}})).contains(QStringLiteral("zones[Z1].marker")));
}

void ReportTest::writesAPdfWithPages_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("saved as PDF") << "SaveReportPdf";
    QTest::newRow("printed to a PDF printer") << "PrintReport";
}

void ReportTest::writesAPdfWithPages()
{
    QFETCH(QString, button);
    Shell shell;
    const QString pdf = shell.path(QStringLiteral("report.pdf"));
    shell.dialogs.answerSave(pdf);
    shell.dialogs.answerPrint(pdf);
    shell.report()->findChild<QPushButton*>(button)->click();

    const QByteArray bytes = readFile(pdf);
    QVERIFY(bytes.startsWith("%PDF-1."));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    // The factory configuration, with the signatures, on at most four pages.
    const qsizetype pages = pagesIn(bytes);
    QVERIFY2(pages >= 2 && pages <= 4, qPrintable(QString::number(pages)));
    QVERIFY(shell.dialogs.shown().isEmpty());
}

void ReportTest::pdfNeverReplacesANonRegularFile()
{
    Shell shell;
    const QString pipe = shell.path(QStringLiteral("report.pdf"));
    QVERIFY(makeNonRegularFile(pipe, NonRegularFile::NamedPipe));
    shell.dialogs.answerSave(pipe);
    shell.report()->findChild<QPushButton*>("SaveReportPdf")->click();

    QCOMPARE(shell.dialogs.texts(),
             QStringList{QStringLiteral("Не удалось сохранить отчёт в файл %1.\nне является обычным файлом").arg(pipe)});
    QCOMPARE(shell.dialogs.last().caption, QStringLiteral("Отчёт"));
    QCOMPARE(kindOf(pipe), QStringLiteral("named pipe"));
}

void ReportTest::pagesThatFailChecksAreReportedAsTheyShow_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QStringList>("checks");          // as the write command names them, in its order
    QTest::addColumn<QString>("heading");             // of a table that shows a faulty field
    QTest::addColumn<QStringList>("shownRow");        // its row in the whole report
    QTest::addColumn<QStringList>("changedKeys");     // the rows of the differences, in the pages' order
    QTest::addColumn<QStringList>("differenceRow");   // a faulty field's row among them

    const QString phoneCheck = QStringLiteral("Нарушен формат номера телефона для получения СМС. (+380ххххххххх)");
    const QString zoneCheck = QStringLiteral("Шлейф Z3 не включен в группы!");
    const QString accountCheck = QStringLiteral("Проверьте номер ППК !");
    const QStringList phoneRow = {"Номер 2", "не читается: «+3806»"};
    const QStringList phoneDifference = {"СМС: Номер 2", "—", "не читается: «+3806»"};
    // Phone 1 given, phone 2 cut short; every case also has the siren at 100 s, which no check minds.
    QTest::newRow("phone cut short") << QStringList{"phone"} << QStringList{phoneCheck} << QStringLiteral("Каналы связи")
                                     << phoneRow
                                     << QStringList{"general.siren_time_s", "sms.phones[1]", "sms.phones[2]"}
                                     << phoneDifference;
    QTest::newRow("zone outside every group")
        << QStringList{"zone"} << QStringList{zoneCheck} << QStringLiteral("Шлейфы сигнализации")
        << QStringList{"Группы", "1", "1", "—", "—", "—", "—", "—", "—"}
        << QStringList{"general.siren_time_s", "zones[Z3].type"}
        << QStringList{"Z3: Тип", "—", "Включен, Сирена, Мгновенный"};
    // The panel number heads the whole report as the page shows it.
    QTest::newRow("three-character panel number")
        << QStringList{"account"} << QStringList{accountCheck} << QString() << QStringList{}
        << QStringList{"channels[1].account", "general.siren_time_s"}
        << QStringList{"Идентификатор ППК", "EC22", "не читается: «EC2»"};
    QTest::newRow("all at once") << QStringList{"phone", "zone", "account"}
                                 << QStringList{accountCheck, phoneCheck, zoneCheck} << QStringLiteral("Каналы связи")
                                 << phoneRow
                                 << QStringList{"channels[1].account", "general.siren_time_s", "sms.phones[1]",
                                                "sms.phones[2]", "zones[Z3].type"}
                                 << phoneDifference;
}

void ReportTest::pagesThatFailChecksAreReportedAsTheyShow()
{
    QFETCH(QStringList, faults);
    QFETCH(QStringList, checks);
    QFETCH(QString, heading);
    QFETCH(QStringList, shownRow);
    QFETCH(QStringList, changedKeys);
    QFETCH(QStringList, differenceRow);
    Shell shell;
    SmsPage& sms = *shell.window.generalPage().pageCh()->sheetVoice;
    shell.window.generalPage().delaySiren()->setValue(100);
    if (faults.contains("phone")) {
        sms.phV[0]->setText(QStringLiteral("+380501234567"));
        sms.phV[1]->setText(QStringLiteral("+3806"));
    }
    if (faults.contains("zone"))
        shell.window.zonesPage().gridZone().setCell(3, ZoneGrid::RowOn, StringGrid::Mark);
    if (faults.contains("account"))
        shell.window.generalPage().editAccount()->setText(QStringLiteral("EC2"));
    shell.window.findChild<QTabWidget*>("PageConfig")->setCurrentIndex(3);
    const QString page = shell.currentPage();

    ReportDialog* dialog = shell.report();
    QVERIFY(dialog);
    // Built quietly: no box, no page brought forward.
    QVERIFY(shell.dialogs.shown().isEmpty());
    QCOMPARE(shell.currentPage(), page);
    QCOMPARE(dialog->content().account, shell.window.generalPage().editAccount()->text());

    // Every check the pages fail, in the document and above the preview.
    const QString note = QStringLiteral("Внимание: конфигурация не проходит проверку перед записью\n"
                                        "Отчёт показывает конфигурацию так, как её показывают страницы; "
                                        "«Записать» не запишет её в таком виде:\n• ")
                         + checks.join(QStringLiteral("\n• "));
    QCOMPARE(dialog->content().failedChecks, checks);
    QCOMPARE(dialog->findChild<QLabel*>("FailedCheck")->text(), note);
    QVERIFY(dialog->findChild<QTextBrowser*>("ReportPreview")->toPlainText().contains(note));
    QVERIFY(textOf(dialog->content()).contains(note));
    QVERIFY(rowsOf(dialog->content(), QStringLiteral("Общие установки"))
                .contains(QStringList{"Вкл. сирены, с", "100"}));
    if (!heading.isEmpty())
        QVERIFY(rowsOf(dialog->content(), heading).contains(shownRow));
    // The account heads the report; no other field is unreadable.
    const qsizetype unreadable = faults.contains("phone") ? 1 : 0;
    QCOMPARE(textOf(dialog->content()).count(QStringLiteral("не читается")), unreadable);

    dialog->findChild<QCheckBox*>("OnlyNonFactory")->setChecked(true);
    const ReportContent& differences = dialog->content();
    QCOMPARE(differences.failedChecks, checks);
    QVERIFY(textOf(differences).contains(note));
    QCOMPARE(keysOf(differences), changedKeys);
    QVERIFY(rowsOf(differences, QStringLiteral("Общие установки"))
                .contains(QStringList{"Времена: Вкл. сирены, с", "20", "100"}));
    bool listed = false;
    for (const ReportContent::Table& table : differences.tables) {
        for (const ReportContent::Row& row : table.rows)
            listed = listed || row.cells == differenceRow;
    }
    QVERIFY(listed);
}

void ReportTest::unreadableSecretsAreMaskedToo()
{
    const CatalogueField& password = *FieldCatalogue::find(QStringLiteral("wifi.password"));
    const PagesImage pages{factoryImage(), {}, {{password.layoutField(), QStringLiteral("Pa55-word")}}};
    for (const bool onlyNonFactory : {false, true}) {
        const ReportContent::Source source{pages, QStringLiteral("EC22"), {}, {}, {}};
        const auto rowsWith = [&](bool showPasswords) {
            const ReportContent::Options options{onlyNonFactory, showPasswords, false, {}};
            const ReportContent content = onlyNonFactory ? DifferencesReport::of(source, options)
                                                         : ConfigurationReport::of(source, options);
            return rowsOf(content, QStringLiteral("Общие установки"));
        };
        const QStringList masked = onlyNonFactory ? QStringList{"Настройка в сети WiFi: Пароль", "—", "не читается: «••••»"}
                                                  : QStringList{"Пароль", "не читается: «••••»"};
        QVERIFY(rowsWith(false).contains(masked));
        QStringList shown = masked;
        shown.last() = QStringLiteral("не читается: «Pa55-word»");
        QVERIFY(rowsWith(true).contains(shown));
    }
}

void ReportTest::textsAreShownAsTheyAreTyped()
{
    ReportContent content;
    content.account = QStringLiteral("<EC22>");
    content.tables = {{QStringLiteral("Шлейфы & группы"),
                       {},
                       {{QStringLiteral("texts.alarm[1]"),
                         {QStringLiteral("Тревога шлейф 1"), QStringLiteral("<b>Склад</b> & Ко")}}}}};
    content.site.name = QStringLiteral("<i>Объект</i>");
    const QString shown = textOf(content);
    for (const char* text : {"<EC22>", "Шлейфы & группы", "<b>Склад</b> & Ко", "<i>Объект</i>"})
        QVERIFY2(shown.contains(QString::fromUtf8(text)), text);
}

void ReportTest::headerNamesTheSiteAndTheCompanyOrLeavesLinesToFill()
{
    const ReportContent::Site site{QStringLiteral("Склад №7"), QStringLiteral("ул. Заводская, 12"),
                                   QStringLiteral("Петренко И. И., +380441234567")};
    TestPlatform platform;
    ReportDialog named({{factoryImage(), {}, {}}, QStringLiteral("EC22"), QStringLiteral("19.02.19"),
                        QDateTime::currentDateTime(), site},
                       platform.dialogs, platform.preferences, QString());
    named.findChild<QLineEdit*>("ReportCompany")->setText(QStringLiteral("ООО «Охрана-Сервис»"));
    const QString text = textOf(named.content());
    const QString blank = textOf(contentOf(factoryImage()));
    const QStringList filledIn = {site.name, site.address, site.contact, QStringLiteral("ООО «Охрана-Сервис»")};
    const QStringList captions = {"Объект:", "Адрес:", "Контактное лицо, телефон:", "Монтажная организация:"};
    for (qsizetype index = 0; index < captions.size(); ++index) {
        // Nothing known yet: a line to write on.
        const QRegularExpression line(captions.at(index) + QStringLiteral("\\s*_{20,}"));
        QVERIFY2(blank.contains(line), qPrintable(captions.at(index)));
        QVERIFY2(!text.contains(line), qPrintable(captions.at(index)));
        QVERIFY2(text.contains(captions.at(index) + QStringLiteral("\n") + filledIn.at(index))
                     || text.contains(captions.at(index) + QLatin1Char('\t') + filledIn.at(index)),
                 qPrintable(filledIn.at(index)));
    }
    // And the lines the installer and the customer sign and date.
    for (const char* line : {"Монтажник", "Заказчик", "Подпись ____", "Дата ____", "Ф.И.О. ____"})
        QVERIFY2(blank.contains(QString::fromUtf8(line)), line);
}

void ReportTest::companyIsKeptBetweenRuns()
{
    Shell shell;
    shell.preferences.setValue(QStringLiteral("report/company"), QStringLiteral("ООО «Охрана-Сервис»"));
    ReportDialog* dialog = shell.report();
    auto* company = dialog->findChild<QLineEdit*>("ReportCompany");
    QCOMPARE(company->text(), QStringLiteral("ООО «Охрана-Сервис»"));
    QCOMPARE(dialog->content().options.company, QStringLiteral("ООО «Охрана-Сервис»"));
    const auto* label = dialog->findChild<QLabel*>();
    QCOMPARE(label->text(), QStringLiteral("Монтажная организация:"));
    QCOMPARE(label->buddy(), company);

    company->setText(QStringLiteral("ТОВ «Варта»"));
    QCOMPARE(dialog->content().options.company, QStringLiteral("ТОВ «Варта»"));
    dialog->close();
    QCOMPARE(shell.report()->findChild<QLineEdit*>("ReportCompany")->text(), QStringLiteral("ТОВ «Варта»"));
    QCOMPARE(shell.preferences.value(QStringLiteral("report/company")).toString(), QStringLiteral("ТОВ «Варта»"));
}

void ReportTest::passwordsAndCodesAreMaskedUnlessShown_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("Wi-Fi password") << "wifi.password" << "Pa55-word";
    QTest::newRow("blocking phone") << "general.block_phone" << "0501112233";
    QTest::newRow("unblocking phone") << "general.unblock_phone" << "0502223344";
    QTest::newRow("phone that starts an update") << "update.phone" << "0503334455";
}

void ReportTest::passwordsAndCodesAreMaskedUnlessShown()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    const ConfigImage image = withValues(factoryImage(), {{key, value}});
    const QString caption = FieldCatalogue::find(key)->caption;

    for (const bool onlyNonFactory : {false, true}) {
        const QString masked = textOf(contentOf(image, {onlyNonFactory, false, false, {}}));
        QVERIFY(!masked.contains(value));
        QVERIFY(masked.contains(caption));
        QVERIFY(masked.contains(QStringLiteral("••••")));
        QVERIFY(textOf(contentOf(image, {onlyNonFactory, true, false, {}})).contains(value));
    }
    // Nothing set, nothing to hide: a mask would say there is a password.
    QVERIFY(!textOf(contentOf(factoryImage())).contains(QStringLiteral("••••")));
}

void ReportTest::internalFieldsOnlyInTheDetailedReport_data()
{
    QTest::addColumn<QString>("caption");
    for (const char* caption : {"Метка раскладки", "Маркер", "Класс", "Вер. ПО 22.", "MAC-номер", "Тестирование, с"})
        QTest::newRow(caption) << QString::fromUtf8(caption);
}

void ReportTest::internalFieldsOnlyInTheDetailedReport()
{
    QFETCH(QString, caption);
    for (const ConfigImage& image : {factoryImage(), SampleConfigs::siteWithSixZones()}) {
        QVERIFY(!textOf(contentOf(image)).contains(caption));
        QVERIFY(textOf(contentOf(image, {false, false, true, {}})).contains(caption));
    }
}

void ReportTest::optionsOfTheDialogRemakeTheReport()
{
    Shell shell;
    shell.load(withValues(factoryImage(), {{"wifi.ssid", "Sklad-7"}, {"wifi.password", "Pa55-word"}}));
    ReportDialog* dialog = shell.report();
    auto* passwords = dialog->findChild<QCheckBox*>("ShowPasswords");
    auto* detailed = dialog->findChild<QCheckBox*>("Detailed");
    QCOMPARE(passwords->text(), QStringLiteral("Показать пароли"));
    QCOMPARE(detailed->text(), QStringLiteral("Подробно"));
    QVERIFY(!passwords->isChecked() && !detailed->isChecked());
    QVERIFY(!textOf(dialog->content()).contains(QStringLiteral("Pa55-word")));

    passwords->setChecked(true);
    QVERIFY(textOf(dialog->content()).contains(QStringLiteral("Pa55-word")));
    QVERIFY(!textOf(dialog->content()).contains(QStringLiteral("Метка раскладки")));
    detailed->setChecked(true);
    QVERIFY(textOf(dialog->content()).contains(QStringLiteral("Метка раскладки")));
    QVERIFY(dialog->findChild<QTextBrowser*>("ReportPreview")->toPlainText().contains(QStringLiteral("Pa55-word")));
}

void ReportTest::zonesInOneTableWithAColumnPerZone()
{
    Shell shell;
    shell.load(SampleConfigs::siteWithSixZones());
    const ReportContent& content = shell.report()->content();
    const QString heading = QStringLiteral("Шлейфы сигнализации");
    QCOMPARE(tableOf(content, heading).columns, (QStringList{"Шлейф", "Z1", "Z2", "Z3", "Z4", "Z5", "Z6", "K1", "K2"}));
    QCOMPARE(columnOf(content, heading, QStringLiteral("Шлейф")),
             (QStringList{"Включен", "Тип", "Сирена", "Чувствит., мс", "Вход, с", "Группы"}));
    QCOMPARE(columnOf(content, heading, QStringLiteral("Z1")),
             (QStringList{"да", "Вход/выход", "да", "60", "30", "1"}));
    QCOMPARE(columnOf(content, heading, QStringLiteral("Z4")),
             (QStringList{"да", "Круглосуточный", "да", "60", "0", "3"}));
    QCOMPARE(columnOf(content, heading, QStringLiteral("Z5")),
             (QStringList{"да", "Мгновенный", "нет", "100", "0", "2"}));
    QCOMPARE(columnOf(content, heading, QStringLiteral("K1")), (QStringList{"нет", "—", "—", "—", "—", "—"}));
}

void ReportTest::usersAsRangesWithTheirGroups_data()
{
    namespace L = ImageLayout;
    QTest::addColumn<ConfigImage>("image");
    QTest::addColumn<Rows>("users");
    QTest::newRow("factory") << factoryImage() << Rows{{"1–32", "1"}};
    QTest::newRow("site") << SampleConfigs::siteWithSixZones()
                          << Rows{{"1–2", "1, 2, 3"}, {"3–6", "1"}, {"7–8", "1, 2"}, {"9–10", "3"}};
    ConfigImage gaps = factoryImage();
    for (int user = 1; user <= L::UsedUserCount; ++user)
        gaps.setValue(L::userField(user, L::User::GroupMask), user == 4 || user > 7 ? 0 : user == 7 ? 0b10 : 0b1);
    QTest::newRow("a user out, one alone, the rest out") << gaps << Rows{{"1–3", "1"}, {"5–6", "1"}, {"7", "2"}};
}

void ReportTest::usersAsRangesWithTheirGroups()
{
    QFETCH(ConfigImage, image);
    QFETCH(Rows, users);
    const ReportContent content = contentOf(image);
    QCOMPARE(tableOf(content, QStringLiteral("Пользователи")).columns, (QStringList{"Номера", "Группы"}));
    QCOMPARE(rowsOf(content, QStringLiteral("Пользователи")), users);
}

void ReportTest::onlyTheGroupsChannelsAndTextsInUse()
{
    Shell shell;
    shell.load(SampleConfigs::siteWithSixZones());
    const ReportContent& content = shell.report()->content();
    QCOMPARE(headingsOf(content), FactoryHeadings);

    QCOMPARE(rowsOf(content, QStringLiteral("Группы")),
             (Rows{{"1", "Офис", "30", "10", "Z1, Z2"},
                   {"2", "Склад", "20", "0", "Z3, Z5"},
                   {"3", "Касса", "0", "5", "Z4, Z6"}}));

    const QString channels = QStringLiteral("Каналы связи");
    QCOMPARE(subheadingsOf(content, channels), (QStringList{"СМС", "Удаленное конфигурирование"}));
    const Rows channelRows = rowsOf(content, channels);
    QCOMPARE(channelRows.mid(1, 3), (Rows{{"Номер 1", "+380501234567, и звонок"},
                                          {"Номер 2", "+380671112233"},
                                          {"Запрос баланса", "*111#"}}));

    QCOMPARE(columnOf(content, QStringLiteral("Тексты извещений: шлейфы"), QStringLiteral("Шлейф")),
             (QStringList{"Z1", "Z2", "Z3", "Z4", "Z5", "Z6"}));
    QVERIFY(rowsOf(content, QStringLiteral("Тексты извещений: шлейфы"))
                .contains(QStringList{"Z3", "Тревога: окна склада", "Восст. ШС 3"}));
    const Rows userTexts = rowsOf(content, QStringLiteral("Тексты извещений: пользователи"));
    QCOMPARE(userTexts.size(), 10);
    QCOMPARE(userTexts.constFirst(), (QStringList{"1", "Взят директором", "Снят директором"}));
    // The keyboard's events are not reported without a keyboard; the texts
    // that go with the reported ones are named by their event.
    QCOMPARE(columnOf(content, QStringLiteral("Тексты извещений: события"), QStringLiteral("Событие")),
             (QStringList{"Тампер ППК: нарушение", "Аккумулятор: нарушение", "Сеть 220В: нарушение", "Подбор пароля",
                          "Тампер ППК: восстановление", "Аккумулятор: восстановление", "Сеть 220В: восстановление"}));
}

void ReportTest::aPanelWithoutSmsHasNoTextsNorChannels()
{
    namespace L = ImageLayout;
    ConfigImage standAlone = factoryImage();
    for (const int record : {L::SmsRecord, L::RemoteConfigRecord})
        standAlone.setValue(L::channelField(record, L::Channel::Kind), 0);
    const ReportContent content = contentOf(standAlone);
    QCOMPARE(headingsOf(content),
             (QStringList{"Общие установки", "Шлейфы сигнализации", "Группы", "Пользователи"}));
    QCOMPARE(rowsOf(content, QStringLiteral("Общие установки")).constFirst(),
             (QStringList{"Канал передачи", "Автономный"}));
}

void ReportTest::headingsStayWithTheirTablesOnPaper()
{
    // Tables of every length one after another, so that headings and tables
    // come to every place on a page; one of them longer than a page.
    ReportContent content;
    for (int index = 0; index < 40; ++index) {
        ReportContent::Table table{QStringLiteral("Таблица %1").arg(index), {}, {}};
        if (index % 2 == 0)
            table.columns = QStringList{QStringLiteral("Параметр"), QStringLiteral("Значение")};
        const int rows = index == 20 ? 90 : 1 + index % 9;
        for (int row = 0; row < rows; ++row)
            table.rows.append({{}, {QStringLiteral("Строка %1").arg(row), QStringLiteral("значение")}});
        content.tables.append(table);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    const PagedReport paged(content, writer, QSizeF(writer.width(), writer.height() * 0.95));
    QVERIFY(paged.pageCount() > 5);

    int parted = 0;
    for (const PagedReport::Placement& placement : paged.placements()) {
        const QByteArray name = placement.heading.toUtf8();
        QVERIFY2(placement.headingPage == placement.firstRowPage, name.constData());
        const bool long_ = placement.heading == QStringLiteral("Таблица 20");
        QVERIFY2(long_ || placement.lastPage == placement.headingPage, name.constData());
        parted += placement.lastPage > placement.headingPage ? 1 : 0;
    }
    QCOMPARE(parted, 1);
}

QTEST_MAIN(ReportTest)
#include "tst_Report.moc"
