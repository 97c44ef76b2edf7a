#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include <optional>

class Preferences;

// The program's texts, and Qt's own, in one language while an object of this
// class lives. Russian is the language every text is written in, so it needs
// no translation of the program's texts; Qt's own are then Russian too.
class Translations final {
public:
    enum class Language { Russian, Ukrainian, English };

    // The languages offered in "Сервис" → "Язык", each named in itself.
    struct Choice {
        Language language;
        QString code;    // kept in the preferences: "ru", "uk", "en"
        QString name;    // "Русский", "Українська", "English"
        QLocale locale;  // for the words and figures Qt shows in the language (the file dialogs')
    };
    static const QList<Choice>& choices();

    // The user's choice kept in the preferences; without one, Ukrainian when
    // the system's first language is, and Russian otherwise.
    static Language chosen(const Preferences& preferences, const QLocale& system = QLocale::system());
    static QLocale localeOf(Language language);
    // Keeps the choice for the next start.
    static void keep(Preferences& preferences, Language language);

    // Whether Qt's own texts (standard buttons, file dialogs, system errors)
    // follow: the window's do; zq22's stay English, as its own messages do.
    enum class QtTexts { Follow, StayEnglish };

    explicit Translations(Language language, QtTexts qtTexts = QtTexts::Follow);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    static std::optional<Language> fromCode(const QString& code);
    static const Choice& choiceOf(Language language);

    QTranslator m_program;
    QTranslator m_qt;
};
