#include "MemoryPreferences.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QTest>

using Language = Translations::Language;

// Which language the program speaks, and what it keeps of the user's choice.
class TranslationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void languageAtStart_data();
    void languageAtStart();
    void keptChoiceIsReadBack_data();
    void keptChoiceIsReadBack();
    void textsFollowWhileInstalled_data();
    void textsFollowWhileInstalled();
};

void TranslationsTest::languageAtStart_data()
{
    QTest::addColumn<QVariant>("kept");
    QTest::addColumn<QString>("system");
    QTest::addColumn<Language>("expected");

    QTest::newRow("no choice, Russian system") << QVariant() << "ru_RU" << Language::Russian;
    QTest::newRow("no choice, Ukrainian system") << QVariant() << "uk_UA" << Language::Ukrainian;
    QTest::newRow("no choice, English system") << QVariant() << "en_US" << Language::Russian;
    QTest::newRow("no choice, German system") << QVariant() << "de_DE" << Language::Russian;
    QTest::newRow("no choice, C locale") << QVariant() << "C" << Language::Russian;
    QTest::newRow("English chosen, Ukrainian system") << QVariant("en") << "uk_UA" << Language::English;
    QTest::newRow("Russian chosen, Ukrainian system") << QVariant("ru") << "uk_UA" << Language::Russian;
    QTest::newRow("Ukrainian chosen, English system") << QVariant("uk") << "en_US" << Language::Ukrainian;
    QTest::newRow("unknown choice, Ukrainian system") << QVariant("de") << "uk_UA" << Language::Ukrainian;
    QTest::newRow("unknown choice, Russian system") << QVariant("Українська") << "ru_RU" << Language::Russian;
    QTest::newRow("a number kept by hand") << QVariant(2) << "en_US" << Language::Russian;
}

void TranslationsTest::languageAtStart()
{
    QFETCH(QVariant, kept);
    QFETCH(QString, system);
    QFETCH(Language, expected);
    MemoryPreferences preferences;
    if (kept.isValid())
        preferences.setValue(QStringLiteral("ui/language"), kept);
    QCOMPARE(Translations::chosen(preferences, QLocale(system)), expected);
}

void TranslationsTest::keptChoiceIsReadBack_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("code");
    QTest::newRow("Russian") << Language::Russian << "ru";
    QTest::newRow("Ukrainian") << Language::Ukrainian << "uk";
    QTest::newRow("English") << Language::English << "en";
}

void TranslationsTest::keptChoiceIsReadBack()
{
    QFETCH(Language, language);
    QFETCH(QString, code);
    MemoryPreferences preferences;
    Translations::keep(preferences, language);
    QCOMPARE(preferences.value(QStringLiteral("ui/language")).toString(), code);
    // Whatever the system says, the choice stands.
    for (const char* system : {"ru_RU", "uk_UA", "en_GB"})
        QCOMPARE(Translations::chosen(preferences, QLocale(QLatin1String(system))), language);
}

void TranslationsTest::textsFollowWhileInstalled_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<Translations::QtTexts>("qtTexts");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("qt");

    QTest::newRow("Russian") << Language::Russian << Translations::QtTexts::Follow << "Автономный режим." << "&Да";
    QTest::newRow("Ukrainian") << Language::Ukrainian << Translations::QtTexts::Follow << "Автономний режим."
                               << "Т&ак";
    QTest::newRow("English") << Language::English << Translations::QtTexts::Follow << "Stand-alone mode." << "&Yes";
    QTest::newRow("Russian, Qt in English") << Language::Russian << Translations::QtTexts::StayEnglish
                                            << "Автономный режим." << "&Yes";
    QTest::newRow("Ukrainian, Qt in English") << Language::Ukrainian << Translations::QtTexts::StayEnglish
                                              << "Автономний режим." << "&Yes";
}

void TranslationsTest::textsFollowWhileInstalled()
{
    QFETCH(Language, language);
    QFETCH(Translations::QtTexts, qtTexts);
    QFETCH(QString, program);
    QFETCH(QString, qt);
    const auto programText = [] { return QCoreApplication::translate("LinkTexts", "Автономный режим."); };
    const auto qtText = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    {
        const Translations texts(language, qtTexts);
        QCOMPARE(programText(), program);
        QCOMPARE(qtText(), qt);
    }
    // Gone with the object: the texts are the sources again.
    QCOMPARE(programText(), QStringLiteral("Автономный режим."));
    QCOMPARE(qtText(), QStringLiteral("&Yes"));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_Translations.moc"
