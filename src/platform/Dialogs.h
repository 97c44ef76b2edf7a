#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;

// Every message box, file dialog, the print dialog and the port chooser go
// through here, so tests can answer them and see exactly what was shown.
class Dialogs {
public:
    enum class Icon { None, Stop, Warning, Information, Question };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    struct Message {
        QString text;
        QString caption;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        Answer defaultButton = Answer::Ok;
        bool onTop = true;

        static Message error(const QString& text, const QString& caption, bool onTop = true)
        {
            return {text, caption, Icon::Stop, Buttons::Ok, Answer::Ok, onTop};
        }
        static Message warning(const QString& text, const QString& caption, bool onTop = true)
        {
            return {text, caption, Icon::Warning, Buttons::Ok, Answer::Ok, onTop};
        }
        static Message information(const QString& text, const QString& caption, bool onTop = true)
        {
            return {text, caption, Icon::Information, Buttons::Ok, Answer::Ok, onTop};
        }
        static Message plain(const QString& text, const QString& caption, bool onTop = true)
        {
            return {text, caption, Icon::None, Buttons::Ok, Answer::Ok, onTop};
        }
        // A Yes/No question; which button is the default is the asker's choice.
        static Message question(const QString& text, const QString& caption, Icon icon = Icon::Question,
                                Answer defaultButton = Answer::Yes, bool onTop = true)
        {
            return {text, caption, icon, Buttons::YesNo, defaultButton, onTop};
        }
    };

    struct FileRequest {
        QString title;          // empty: the system's default title
        QString folder;         // empty: wherever the system opens
        QString fileName;       // proposed name
        QStringList filters;    // "Name (pattern)" entries; the first is selected
        QString defaultSuffix;  // appended when the user gives no extension
    };

    virtual ~Dialogs() = default;

    virtual Answer message(const Message& message) = 0;
    virtual std::optional<QString> openFile(const FileRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileRequest& request) = 0;
    // The serial port to open: a listed port or a typed device path.
    virtual std::optional<QString> choosePort() = 0;
    // The system's print dialog, which sets the printer up; false when cancelled.
    virtual bool setUpPrinter(QPrinter& printer) = 0;
};
