#include "Translations.h"

#include "Preferences.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <algorithm>

namespace {

const QString LanguageKey = QStringLiteral("ui/language");

} // namespace

const QList<Translations::Choice>& Translations::choices()
{
    static const QList<Choice> list = {
        {Language::Russian, QStringLiteral("ru"), QStringLiteral("Русский"),
         QLocale(QLocale::Russian, QLocale::Russia)},
        {Language::Ukrainian, QStringLiteral("uk"), QStringLiteral("Українська"),
         QLocale(QLocale::Ukrainian, QLocale::Ukraine)},
        {Language::English, QStringLiteral("en"), QStringLiteral("English"),
         QLocale(QLocale::English, QLocale::UnitedStates)},
    };
    return list;
}

std::optional<Translations::Language> Translations::fromCode(const QString& code)
{
    for (const Choice& choice : choices()) {
        if (choice.code == code)
            return choice.language;
    }
    return std::nullopt;
}

const Translations::Choice& Translations::choiceOf(Language language)
{
    const QList<Choice>& list = choices();
    return *std::find_if(list.begin(), list.end(),
                         [language](const Choice& choice) { return choice.language == language; });
}

QLocale Translations::localeOf(Language language)
{
    return choiceOf(language).locale;
}

Translations::Language Translations::chosen(const Preferences& preferences, const QLocale& system)
{
    // A value this version does not know (written by a later one, or by hand)
    // counts as no choice.
    if (const auto kept = fromCode(preferences.value(LanguageKey).toString()))
        return *kept;
    const QStringList systemLanguages = system.uiLanguages();
    const bool ukrainian
        = !systemLanguages.isEmpty() && QLocale(systemLanguages.constFirst()).language() == QLocale::Ukrainian;
    return ukrainian ? Language::Ukrainian : Language::Russian;
}

void Translations::keep(Preferences& preferences, Language language)
{
    preferences.setValue(LanguageKey, choiceOf(language).code);
}

Translations::Translations(Language language, QtTexts qtTexts)
{
    const QString code = choiceOf(language).code;
    // The program's texts are built into it; Russian has none, being the source.
    if (language != Language::Russian && m_program.load(QStringLiteral(":/i18n/zq22lite_") + code))
        QCoreApplication::installTranslator(&m_program);
    if (qtTexts == QtTexts::Follow
        && m_qt.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}
