// "Взять отмеченные" in the compare dialog, and "Применить шаблон…": the
// ticked fields of a file or a template go onto the pages through the image,
// as a load brings them, every other field stays, and "Отменить" gives the
// pages back.
#include "ChannelPages.h"
#include "CompareDialog.h"
#include "CompareWindow.h"
#include "FieldCatalogue.h"
#include "GeneralPage.h"
#include "ImageComparison.h"
#include "SampleConfigs.h"
#include "SmsPage.h"
#include "TestFiles.h"

#include <QAction>
#include <QCheckBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

namespace {

using Values = QList<std::pair<QString, QJsonValue>>;

const QString FileCaption = QStringLiteral("Сравнение с файлом");
const QString TemplateCaption = QStringLiteral("Применение шаблона");

// Five fields on three pages, away from the pages' configuration.
const Values FiveChanges = {
    {QStringLiteral("general.siren_time_s"), 60},
    {QStringLiteral("wifi.ssid"), QStringLiteral("Office")},
    {QStringLiteral("zones[Z2].sensitivity_ms"), 300},
    {QStringLiteral("texts.alarm[1]"), QStringLiteral("Тревога на складе")},
    {QStringLiteral("sms.balance_request"), QStringLiteral("*100#")},
};
const QStringList TwoTicked = {QStringLiteral("general.siren_time_s"), QStringLiteral("texts.alarm[1]")};

QStringList sorted(QStringList keys)
{
    keys.sort();
    return keys;
}

QStringList keysOf(const Values& values)
{
    QStringList keys;
    for (const auto& value : values)
        keys << value.first;
    return sorted(keys);
}

// The fields whose bytes differ between two images.
QStringList changedKeys(const ConfigImage& before, const ConfigImage& after)
{
    QStringList keys;
    for (const FieldDifference& difference : compareImages(before, after))
        keys << difference.field->key;
    return sorted(keys);
}

QByteArray templateWith(const char* members)
{
    return QByteArray(R"({"format": "zq22-config", "version": 1, )") + members + '}';
}

// Pages an installer left ready to write: one SMS phone and a balance request.
struct Shell : CompareWindow {
    Shell()
    {
        dialogs.answerOpen(writeConfigFile(QStringLiteral("pages.q22"), SampleConfigs::readyToWrite()));
        item(QStringLiteral("ItemLoad"))->trigger();
        dialogs.forget();
    }

    SmsPage& sms() { return *window.generalPage().pageCh()->sheetVoice; }

    // The compare dialog on a file that holds the pages' configuration with `values`.
    CompareDialog* compareWith(const Values& values)
    {
        return compare(writeConfigFile(QStringLiteral("other.q22"), withValues(pagesImage(), values)));
    }

    static void tick(CompareDialog* dialog, const QStringList& keys, Qt::CheckState state = Qt::Checked)
    {
        for (const QString& key : keys)
            row(dialog, key)->setCheckState(0, state);
    }

    static QStringList tickedKeys(CompareDialog* dialog)
    {
        QStringList keys;
        for (const QString& key : listedKeys(dialog)) {
            if (row(dialog, key)->checkState(0) == Qt::Checked)
                keys << key;
        }
        return sorted(keys);
    }

    static QPushButton* takeButton(CompareDialog* dialog) { return dialog->findChild<QPushButton*>("TakeChecked"); }
    static QPushButton* undoButton(CompareDialog* dialog) { return dialog->findChild<QPushButton*>("UndoTake"); }
    static QString takeResult(CompareDialog* dialog) { return dialog->findChild<QLabel*>("TakeResult")->text(); }
};

} // namespace

class TakeOntoPagesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exactlyTheTickedFieldsChange();
    void everyRowIsTickedOrNone();
    void tiedFieldsChangeAlongAndAreNamed();
    void refusedTakesLeaveThePages_data();
    void refusedTakesLeaveThePages();
    void balanceQuestionAnsweredYesTakes();
    void undoGivesThePagesBack_data();
    void undoGivesThePagesBack();
    void templateListsItsDifferingFieldsTicked_data();
    void templateListsItsDifferingFieldsTicked();
    void unreadableTemplateIsReported();
    void withheldWhileATransferRuns();
};

void TakeOntoPagesTest::exactlyTheTickedFieldsChange()
{
    Shell shell;
    const ConfigImage before = shell.pagesImage();
    const ConfigImage file = withValues(before, FiveChanges);
    CompareDialog* dialog = shell.compareWith(FiveChanges);
    QVERIFY(dialog);
    QCOMPARE(sorted(Shell::listedKeys(dialog)), keysOf(FiveChanges));
    // A comparison with a file takes nothing unless asked.
    QVERIFY(Shell::tickedKeys(dialog).isEmpty());
    QVERIFY(!Shell::takeButton(dialog)->isEnabled());
    QVERIFY(!Shell::undoButton(dialog)->isEnabled());

    Shell::tick(dialog, TwoTicked);
    QVERIFY(Shell::takeButton(dialog)->isEnabled());
    Shell::takeButton(dialog)->click();

    QVERIFY2(shell.dialogs.shown().isEmpty(), qPrintable(shell.dialogs.texts().join(u'\n')));
    const ConfigImage after = shell.pagesImage();
    QCOMPARE(changedKeys(before, after), sorted(TwoTicked));
    for (const QString& key : TwoTicked) {
        const CatalogueField* field = FieldCatalogue::find(key);
        QCOMPARE(field->bytesOf(after), field->bytesOf(file));
    }
    // On the pages themselves, as a load shows them.
    QCOMPARE(shell.window.generalPage().delaySiren()->value(), 60);
    QCOMPARE(shell.sms().edtBl->text(), QStringLiteral("*111#"));

    // The rows are what differs now: the three left, without a tick.
    QCOMPARE(sorted(Shell::listedKeys(dialog)),
             sorted({"wifi.ssid", "zones[Z2].sensitivity_ms", "sms.balance_request"}));
    QVERIFY(Shell::tickedKeys(dialog).isEmpty());
    QCOMPARE(dialog->findChild<QLabel*>("DifferenceCount")->text(), QStringLiteral("Различий: 3"));
    QCOMPARE(Shell::takeResult(dialog), QStringLiteral("Взято полей: 2."));
    QVERIFY(!Shell::takeButton(dialog)->isEnabled());
    QVERIFY(Shell::undoButton(dialog)->isEnabled());
}

void TakeOntoPagesTest::everyRowIsTickedOrNone()
{
    Shell shell;
    CompareDialog* dialog = shell.compareWith(FiveChanges);
    QVERIFY(dialog);
    auto* all = dialog->findChild<QCheckBox*>("TickAll");
    QCOMPARE(all->checkState(), Qt::Unchecked);
    Shell::tick(dialog, TwoTicked);
    QCOMPARE(all->checkState(), Qt::PartiallyChecked);
    all->click();
    QCOMPARE(Shell::tickedKeys(dialog), keysOf(FiveChanges));
    QCOMPARE(all->checkState(), Qt::Checked);
    all->click();
    QVERIFY(Shell::tickedKeys(dialog).isEmpty());
    QCOMPARE(all->checkState(), Qt::Unchecked);
    QVERIFY(!Shell::takeButton(dialog)->isEnabled());
}

void TakeOntoPagesTest::tiedFieldsChangeAlongAndAreNamed()
{
    Shell shell;
    const ConfigImage before = shell.pagesImage();
    // Z1's entry delay is the first group's exit delay, as the pages copy it.
    const CatalogueField& entryDelay = *FieldCatalogue::find("zones[Z1].entry_delay_s");
    QCOMPARE(FieldCatalogue::displayValue(entryDelay, before), QStringLiteral("30"));
    CompareDialog* dialog = shell.compareWith({{QStringLiteral("groups[1].exit_delay_s"), 45}});
    QVERIFY(dialog);
    QCOMPARE(Shell::listedKeys(dialog), QStringList{"groups[1].exit_delay_s"});
    Shell::tick(dialog, {QStringLiteral("groups[1].exit_delay_s")});
    Shell::takeButton(dialog)->click();

    QVERIFY2(shell.dialogs.shown().isEmpty(), qPrintable(shell.dialogs.texts().join(u'\n')));
    const ConfigImage after = shell.pagesImage();
    QCOMPARE(changedKeys(before, after), sorted({"groups[1].exit_delay_s", "zones[Z1].entry_delay_s"}));
    QCOMPARE(FieldCatalogue::displayValue(entryDelay, after), QStringLiteral("45"));
    QCOMPARE(Shell::takeResult(dialog),
             QStringLiteral("Взято полей: 1.\n«Z1 — Вход, с» изменено вместе с «Группы, строка 1 — Выход, с»."));
    // The file keeps Z1 apart from its exit delay: that is now the difference.
    QCOMPARE(Shell::listedKeys(dialog), QStringList{"zones[Z1].entry_delay_s"});
}

void TakeOntoPagesTest::refusedTakesLeaveThePages_data()
{
    QTest::addColumn<QString>("pages");   // what the installer left on the pages
    QTest::addColumn<Values>("file");     // the file: the pages' configuration with these
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");

    QTest::newRow("a value the pages cannot hold")
        << "" << Values{{"general.layout_mark", 4660}} << QStringList{"general.layout_mark"}
        << QStringLiteral("Значения не взяты: страницы не могут показать их такими, какими они взяты, и остались "
                          "прежними.\n«Метка раскладки»: взято «4660», страницы показывают «18691»")
        << FileCaption;
    // The pages link a zone to groups 1-8 only.
    QTest::newRow("a group the pages do not link")
        << "" << Values{{"zones[Z1].groups", QJsonArray{1, 9}}} << QStringList{"zones[Z1].groups"}
        << QStringLiteral("Значения не взяты: страницы не могут показать их такими, какими они взяты, и остались "
                          "прежними.\n«Z1 — Группы»: взято «1, 9», страницы показывают «1»")
        << FileCaption;
    QTest::newRow("a tie the take would break")
        << "" << Values{{"users[5].number", 9}} << QStringList{"users[5].number"}
        << QStringLiteral("Значения не взяты.\n«Пользователь 5 — Номер» следует за «Пользователь 5 — Группы»: "
                          "пользователь, включённый в группу, получает номер своей строки, "
                          "не включённый ни в одну — 0.")
        << FileCaption;
    QTest::newRow("a check of Записать")
        << "" << Values{{"zones[Z3].type", QJsonArray{"Включен", "Периметр"}}} << QStringList{"zones[Z3].type"}
        << QStringLiteral("Шлейф Z3 не включен в группы!") << QStringLiteral("Ошибка описания");
    QTest::newRow("a text on the pages the image cannot hold")
        << "phone 2 cut short" << Values{{"general.siren_time_s", 60}} << QStringList{"general.siren_time_s"}
        << QStringLiteral("Значения не взяты: на страницах есть то, что не войдёт в конфигурацию и пропало бы:\n"
                          "«СМС — Номер 2»: «+3806»\nИсправьте эти поля или отметьте их, чтобы взять их значения.")
        << FileCaption;
    QTest::newRow("the question of an empty balance request, No")
        << "no balance request" << Values{{"general.siren_time_s", 60}} << QStringList{"general.siren_time_s"}
        << QStringLiteral("Не заполнен запрос баланса на карточке. Продолжить?") << QStringLiteral("Конфигурирование");
}

void TakeOntoPagesTest::refusedTakesLeaveThePages()
{
    QFETCH(QString, pages);
    QFETCH(Values, file);
    QFETCH(QStringList, ticked);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    Shell shell;
    if (pages == "phone 2 cut short")
        shell.sms().phV[1]->setText(QStringLiteral("+3806"));
    else if (pages == "no balance request")
        shell.sms().edtBl->clear();
    const ConfigImage before = shell.pagesImage();
    CompareDialog* dialog = shell.compareWith(file);
    QVERIFY(dialog);
    const QStringList rows = Shell::listedKeys(dialog);
    Shell::tick(dialog, ticked);
    shell.dialogs.answer(Dialogs::Answer::No);
    Shell::takeButton(dialog)->click();

    QCOMPARE(shell.dialogs.shown().size(), 1);
    QCOMPARE(shell.dialogs.last().text, text);
    QCOMPARE(shell.dialogs.last().caption, caption);
    QVERIFY(shell.pagesImage() == before);
    if (pages == "phone 2 cut short")
        QCOMPARE(shell.sms().phV[1]->text(), QStringLiteral("+3806"));
    QCOMPARE(Shell::listedKeys(dialog), rows);
    QCOMPARE(Shell::tickedKeys(dialog), sorted(ticked));
    QVERIFY(!Shell::undoButton(dialog)->isEnabled());
    QVERIFY(Shell::takeResult(dialog).isEmpty());
}

void TakeOntoPagesTest::balanceQuestionAnsweredYesTakes()
{
    Shell shell;
    shell.sms().edtBl->clear();
    const ConfigImage before = shell.pagesImage();
    CompareDialog* dialog = shell.compareWith({{QStringLiteral("general.siren_time_s"), 60}});
    QVERIFY(dialog);
    Shell::tick(dialog, {QStringLiteral("general.siren_time_s")});
    shell.dialogs.answer(Dialogs::Answer::Yes);
    Shell::takeButton(dialog)->click();

    QCOMPARE(shell.dialogs.texts(), QStringList{"Не заполнен запрос баланса на карточке. Продолжить?"});
    QCOMPARE(changedKeys(before, shell.pagesImage()), QStringList{"general.siren_time_s"});
    QVERIFY(Shell::undoButton(dialog)->isEnabled());
}

void TakeOntoPagesTest::undoGivesThePagesBack_data()
{
    QTest::addColumn<bool>("editedSince");
    QTest::addColumn<Dialogs::Answer>("answer");   // to the question whether to lose the edit
    QTest::addColumn<bool>("undone");

    QTest::newRow("pages as the take left them") << false << Dialogs::Answer::No << true;
    QTest::newRow("pages edited since, No") << true << Dialogs::Answer::No << false;
    QTest::newRow("pages edited since, Yes") << true << Dialogs::Answer::Yes << true;
}

void TakeOntoPagesTest::undoGivesThePagesBack()
{
    QFETCH(bool, editedSince);
    QFETCH(Dialogs::Answer, answer);
    QFETCH(bool, undone);
    Shell shell;
    const ConfigImage before = shell.pagesImage();
    CompareDialog* dialog = shell.compareWith(FiveChanges);
    QVERIFY(dialog);
    Shell::tick(dialog, TwoTicked);
    Shell::takeButton(dialog)->click();
    QVERIFY(shell.pagesImage() != before);
    if (editedSince)
        shell.sms().edtBl->setText(QStringLiteral("*222#"));
    const ConfigImage taken = shell.pagesImage();
    shell.dialogs.answer(answer);
    Shell::undoButton(dialog)->click();

    QCOMPARE(shell.dialogs.shown().size(), editedSince ? 1 : 0);
    if (editedSince) {
        QCOMPARE(shell.dialogs.last().caption, FileCaption);
        QCOMPARE(shell.dialogs.last().buttons, Dialogs::Buttons::YesNo);
    }
    if (!undone) {
        QVERIFY(shell.pagesImage() == taken);
        QVERIFY(Shell::undoButton(dialog)->isEnabled());
        return;
    }
    QCOMPARE(shell.pagesImage().bytes(), before.bytes());
    QCOMPARE(shell.window.generalPage().delaySiren()->value(), 20);
    // The five rows again, the two taken ticked as they were; once only.
    QCOMPARE(sorted(Shell::listedKeys(dialog)), keysOf(FiveChanges));
    QCOMPARE(Shell::tickedKeys(dialog), sorted(TwoTicked));
    QVERIFY(!Shell::undoButton(dialog)->isEnabled());
    QVERIFY(Shell::takeButton(dialog)->isEnabled());
    QCOMPARE(Shell::takeResult(dialog), QStringLiteral("Взятие отменено: страницы такие, как были до него."));
}

void TakeOntoPagesTest::templateListsItsDifferingFieldsTicked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");   // empty: the pages' configuration with the five changes
    QTest::addColumn<QStringList>("rows");

    // The keyboard is named as the pages already have it: no row.
    QTest::newRow("JSON template") << "company.json"
                                   << templateWith(R"("general": {"siren_time_s": 60, "keyboard": []},
                                                      "texts": {"alarm": {"1": "Тревога на складе"}})")
                                   << sorted({"general.siren_time_s", "texts.alarm[1]"});
    QTest::newRow(".q22 file, every field") << "standard.q22" << QByteArray() << keysOf(FiveChanges);
}

void TakeOntoPagesTest::templateListsItsDifferingFieldsTicked()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, rows);
    Shell shell;
    const ConfigImage before = shell.pagesImage();
    const QString path = content.isEmpty() ? shell.writeConfigFile(name, withValues(before, FiveChanges))
                                           : shell.path(name);
    QVERIFY(content.isEmpty() || writeFile(path, content));
    CompareDialog* dialog = shell.applyTemplate(path);

    QVERIFY2(dialog, qPrintable(shell.dialogs.texts().join(u'\n')));
    QCOMPARE(shell.dialogs.openRequests().constLast().title, QStringLiteral("Применить шаблон"));
    QCOMPARE(dialog->windowTitle(), TemplateCaption);
    QCOMPARE(Shell::table(dialog)->headerItem()->text(3), QStringLiteral("В шаблоне"));
    QCOMPARE(sorted(Shell::listedKeys(dialog)), rows);
    QCOMPARE(Shell::tickedKeys(dialog), rows);

    Shell::takeButton(dialog)->click();
    QVERIFY2(shell.dialogs.shown().isEmpty(), qPrintable(shell.dialogs.texts().join(u'\n')));
    QCOMPARE(changedKeys(before, shell.pagesImage()), rows);
    QVERIFY(!Shell::table(dialog));
    QCOMPARE(dialog->findChild<QLabel*>("NoDifferences")->text(), QStringLiteral("Различий нет"));
    QVERIFY(!Shell::takeButton(dialog)->isEnabled());
}

void TakeOntoPagesTest::unreadableTemplateIsReported()
{
    Shell shell;
    const QString path = shell.path(QStringLiteral("bad.json"));
    QVERIFY(writeFile(path, templateWith(R"("general": {"siren_time_s": 22})")));
    QVERIFY(!shell.applyTemplate(path));
    QCOMPARE(shell.dialogs.shown().size(), 1);
    QVERIFY2(shell.dialogs.last().text.startsWith(QStringLiteral("Файл %1 не прочитан как шаблон в JSON.\n").arg(path)),
             qPrintable(shell.dialogs.last().text));
    QCOMPARE(shell.dialogs.last().caption, TemplateCaption);
}

void TakeOntoPagesTest::withheldWhileATransferRuns()
{
    Shell shell;
    CompareDialog* dialog = shell.compareWith(FiveChanges);
    QVERIFY(dialog);
    Shell::tick(dialog, TwoTicked);
    Shell::takeButton(dialog)->click();
    Shell::tick(dialog, {QStringLiteral("wifi.ssid")});
    // Сравнить, Применить шаблон, Взять отмеченные and Отменить, in this order.
    const auto offered = [&shell, dialog] {
        return QList<bool>{shell.item(QStringLiteral("ItemCompare"))->isEnabled(),
                           shell.item(QStringLiteral("ItemApplyTemplate"))->isEnabled(),
                           Shell::takeButton(dialog)->isEnabled(), Shell::undoButton(dialog)->isEnabled()};
    };
    QCOMPARE(offered(), QList<bool>(4, true));

    // As a write or a read starts.
    shell.window.DisableAll();
    QCOMPARE(offered(), QList<bool>(4, false));
    shell.window.EnableAll();
    QCOMPARE(offered(), QList<bool>(4, true));
}

QTEST_MAIN(TakeOntoPagesTest)
#include "tst_TakeOntoPages.moc"
