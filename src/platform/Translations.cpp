#include "Translations.h"

#include "Preferences.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

const QString LanguageKey = QStringLiteral("ui/language");

} // namespace

const QList<Translations::Choice>& Translations::choices()
{
    static const QList<Choice> list = {
        {Language::Russian, QStringLiteral("ru"), QStringLiteral("Русский")},
        {Language::Ukrainian, QStringLiteral("uk"), QStringLiteral("Українська")},
        {Language::English, QStringLiteral("en"), QStringLiteral("English")},
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

QString Translations::codeOf(Language language)
{
    for (const Choice& choice : choices()) {
        if (choice.language == language)
            return choice.code;
    }
    return QString();
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
    preferences.setValue(LanguageKey, codeOf(language));
}

Translations::Translations(Language language, QtTexts qtTexts)
{
    const QString code = codeOf(language);
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
