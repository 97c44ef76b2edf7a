#pragma once

#include <QApplication>

class Dialogs;

// The application object; it also catches every exception that escapes an
// event handler and shows it (AppException), so the program goes on.
class Application final : public QApplication {
public:
    Application(int& argc, char** argv);

    void setDialogs(Dialogs* dialogs) { m_dialogs = dialogs; }

    bool notify(QObject* receiver, QEvent* event) override;

    void AppException(const QString& message);

private:
    Dialogs* m_dialogs = nullptr;
};
