#include "Application.h"

#include "Dialogs.h"

#include <QFont>

#include <exception>

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // No display name: on Linux Qt appends it to the title of every window and
    // box, and each title must read exactly its caption.
    setApplicationName(QStringLiteral("zq22lite"));
    // The window keeps the panel maker's fixed 582 x 573 size: the compact font
    // is what lets every page and the whole menu bar fit in it.
    QFont compact = font();
    compact.setPointSize(8);
    setFont(compact);
    // Qt's own texts (the standard buttons, the file dialogs and their
    // questions) speak the program's language, whatever the system's is.
    setLanguage(Translations::Language::Russian);
}

void Application::setLanguage(Translations::Language language)
{
    m_translations.reset();
    m_translations = std::make_unique<Translations>(language);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        AppException(QString::fromUtf8(error.what()));
    } catch (...) {
        AppException(translate("Application", "Неизвестная ошибка"));
    }
    return false;
}

void Application::AppException(const QString& message)
{
    if (m_dialogs)
        m_dialogs->message(Dialogs::Message::plain(message, QStringLiteral("Exception")));
}
