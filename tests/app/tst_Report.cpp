// "Отчёт…": the configuration on the pages as a document for the customer.
#include "FactoryImage.h"
#include "FieldCatalogue.h"
#include "FileWindow.h"
#include "GeneralPage.h"
#include "ReportDialog.h"
#include "ReportDocument.h"
#include "StringGrid.h"
#include "TestFiles.h"
#include "ZoneGrid.h"
#include "ZonesPage.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

struct Shell : FileWindow {
    ReportDialog* report()
    {
        item(QStringLiteral("ItemReport"))->trigger();
        return window.findChild<ReportDialog*>();
    }
};

QSet<std::pair<QString, QString>> sectionsOf(const ReportContent& content)
{
    QSet<std::pair<QString, QString>> sections;
    for (const ReportContent::Section& section : content.sections)
        sections.insert({section.page, section.name});
    return sections;
}

QStringList keysOf(const ReportContent& content)
{
    QStringList keys;
    for (const ReportContent::Section& section : content.sections) {
        for (const ReportContent::Row& row : section.rows)
            keys << row.key;
    }
    return keys;
}

} // namespace

class ReportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void holdsTheAccountAndEverySection();
    void optionKeepsOnlyTheFieldsAwayFromTheFactory();
    void writesAPdfWithPages_data();
    void writesAPdfWithPages();
    void pagesThatFailACheckGiveNoReport();
    void textsAreShownAsTheyAreTyped();
};

void ReportTest::holdsTheAccountAndEverySection()
{
    Shell shell;
    ReportDialog* dialog = shell.report();
    QVERIFY(dialog);
    const ReportContent& content = dialog->content();
    QCOMPARE(content.account, QStringLiteral("EC22"));
    QCOMPARE(content.programVersion, QStringLiteral("19.02.19"));
    QVERIFY(content.madeAt.isValid());
    QVERIFY(!content.onlyNonFactory);

    QSet<std::pair<QString, QString>> expected;
    QStringList keys;
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        if (field.kind != FieldKind::Reserved) {
            expected.insert({field.page, field.section});
            keys << field.key;
        }
    }
    QCOMPARE(sectionsOf(content), expected);
    QStringList reported = keysOf(content);
    reported.sort();
    keys.sort();
    QCOMPARE(reported, keys);
    // Pages come in the order of the page control.
    QCOMPARE(content.sections.constFirst().page, QStringLiteral("Общие установки"));
    QCOMPARE(content.sections.constLast().page, QStringLiteral("Каналы связи"));
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
    QVERIFY(dialog->content().onlyNonFactory);
    QCOMPARE(dialog->content().account, QStringLiteral("AB12"));
    QCOMPARE(keysOf(dialog->content()), (QStringList{"channels[1].account", "general.siren_time_s"}));
    QCOMPARE(dialog->content().sections.constLast().rows.constFirst().value, QStringLiteral("60"));

    option->setChecked(false);
    QVERIFY(keysOf(dialog->content()).size() > 2);
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
    // Every field of the factory configuration takes more than one page.
    const qsizetype pages = QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b")));
    QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
    QVERIFY(shell.dialogs.shown().isEmpty());
}

void ReportTest::pagesThatFailACheckGiveNoReport()
{
    Shell shell;
    shell.window.generalPage().editAccount()->setText(QStringLiteral("EC2"));
    shell.window.zonesPage().gridZone().setCell(3, ZoneGrid::RowOn, StringGrid::Mark);
    shell.window.findChild<QTabWidget*>("PageConfig")->setCurrentIndex(3);
    QVERIFY(!shell.report());
    QCOMPARE(shell.dialogs.shown().size(), 1);
    // Every check the pages fail, not only the first.
    QVERIFY(shell.dialogs.last().text.endsWith(QStringLiteral("Проверьте номер ППК !\nШлейф Z3 не включен в группы!")));
    QCOMPARE(shell.dialogs.last().caption, QStringLiteral("Отчёт"));
    QCOMPARE(shell.currentPage(), QStringLiteral("SheetKS"));
}

void ReportTest::textsAreShownAsTheyAreTyped()
{
    ReportContent content;
    content.account = QStringLiteral("<EC22>");
    content.sections = {{QStringLiteral("Тексты извещений"), QStringLiteral("Шлейфы & группы"),
                         {{QStringLiteral("texts.alarm[1]"), QStringLiteral("Тревога шлейф 1"),
                           QStringLiteral("<b>Склад</b> & Ко")}}}};
    const QString shown = ReportDocument(content).document().toPlainText();
    for (const char* text : {"<EC22>", "Шлейфы & группы", "<b>Склад</b> & Ко"})
        QVERIFY2(shown.contains(QString::fromUtf8(text)), text);
}

QTEST_MAIN(ReportTest)
#include "tst_Report.moc"
