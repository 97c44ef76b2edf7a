#include "EnglishSystem.h"
#include "MainWindow.h"
#include "TestPlatform.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

namespace {

struct Shell : TestPlatform {
    explicit Shell(const QVariant& kept = {})
    {
        if (kept.isValid())
            preferences.setValue(QStringLiteral("ui/language"), kept);
        window = std::make_unique<MainWindow>(platform());
    }

    QMenu* menu() const { return window->findChild<QMenu*>(QStringLiteral("ItemLanguage")); }
    QStringList checked() const
    {
        QStringList names;
        for (QAction* item : menu()->actions()) {
            if (item->isChecked())
                names << item->objectName();
        }
        return names;
    }

    std::unique_ptr<MainWindow> window;
};

} // namespace

// "Сервис" → "Язык": the languages offered, the one in use ticked, and a
// new choice kept for the next start.
class LanguageMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void offeredInTheServiceMenuEachNamedInItself();
    void theKeptChoiceIsTicked_data();
    void theKeptChoiceIsTicked();
    void aNewChoiceIsKeptForTheNextStart();
    void theLanguageInUseIsNotKeptAgain();
};

void LanguageMenuTest::offeredInTheServiceMenuEachNamedInItself()
{
    Shell shell;
    QMenu* service = shell.window->findChild<QMenu*>(QStringLiteral("ItemService"));
    QCOMPARE(service->actions().constLast(), shell.menu()->menuAction());
    QCOMPARE(shell.menu()->title(), QStringLiteral("Язык"));
    QStringList names;
    for (QAction* item : shell.menu()->actions()) {
        QVERIFY(item->isCheckable());
        names << item->text();
    }
    QCOMPARE(names, (QStringList{"Русский", "Українська", "English"}));
}

void LanguageMenuTest::theKeptChoiceIsTicked_data()
{
    QTest::addColumn<QVariant>("kept");
    QTest::addColumn<QString>("ticked");
    QTest::newRow("none") << QVariant() << "ItemLanguage_ru";
    QTest::newRow("Ukrainian") << QVariant("uk") << "ItemLanguage_uk";
    QTest::newRow("English") << QVariant("en") << "ItemLanguage_en";
}

void LanguageMenuTest::theKeptChoiceIsTicked()
{
    QFETCH(QVariant, kept);
    QFETCH(QString, ticked);
    Shell shell(kept);
    QCOMPARE(shell.checked(), QStringList{ticked});
}

void LanguageMenuTest::aNewChoiceIsKeptForTheNextStart()
{
    Shell shell;
    shell.window->findChild<QAction*>(QStringLiteral("ItemLanguage_uk"))->trigger();
    QCOMPARE(shell.preferences.value(QStringLiteral("ui/language")).toString(), QStringLiteral("uk"));
    QCOMPARE(shell.checked(), QStringList{"ItemLanguage_uk"});
    QCOMPARE(shell.dialogs.shown().size(), 1);
    const Dialogs::Message& box = shell.dialogs.last();
    QCOMPARE(box.text, QStringLiteral("Язык интерфейса сменится при следующем запуске программы."));
    QCOMPARE(box.caption, QStringLiteral("Язык"));
    QCOMPARE(box.icon, Dialogs::Icon::Information);
    // The window goes on in the language it started in.
    QCOMPARE(shell.menu()->title(), QStringLiteral("Язык"));

    shell.window->findChild<QAction*>(QStringLiteral("ItemLanguage_en"))->trigger();
    QCOMPARE(shell.preferences.value(QStringLiteral("ui/language")).toString(), QStringLiteral("en"));
    QCOMPARE(shell.dialogs.shown().size(), 2);
}

void LanguageMenuTest::theLanguageInUseIsNotKeptAgain()
{
    Shell shell;
    shell.window->findChild<QAction*>(QStringLiteral("ItemLanguage_ru"))->trigger();
    QVERIFY(!shell.preferences.value(QStringLiteral("ui/language")).isValid());
    QVERIFY(shell.dialogs.shown().isEmpty());
    QCOMPARE(shell.checked(), QStringList{"ItemLanguage_ru"});
}

int main(int argc, char* argv[])
{
    // An English-speaking system, where the program speaks Russian unless told otherwise.
    return runOnAnEnglishSystem<QApplication, LanguageMenuTest>(argc, argv);
}
#include "tst_LanguageMenu.moc"
