#pragma once

#include "Translations.h"

#include <QApplication>

#include <memory>

class Dialogs;

// The application object; it also catches every exception that escapes an
// event handler and shows it (AppException), so the program goes on.
class Application final : public QApplication {
public:
    Application(int& argc, char** argv);

    void setDialogs(Dialogs* dialogs) { m_dialogs = dialogs; }

    // The program's texts and Qt's own in this language from now on; Russian
    // until it is called.
    void setLanguage(Translations::Language language);

    bool notify(QObject* receiver, QEvent* event) override;

    void AppException(const QString& message);

private:
    Dialogs* m_dialogs = nullptr;
    std::unique_ptr<Translations> m_translations;
};
