#pragma once

#include "Dialogs.h"

#include <functional>

class Console;
class TransferProgress;

// The link's boxes on a terminal: each line of a text goes to standard error,
// prefixed with what the link talks to. There is nobody to ask, so a question
// is answered Yes only when the command line said so beforehand; the link's
// one question on the way (go on without a port?) changes nothing either way,
// so no answer is suggested.
class ConsoleDialogs final : public Dialogs {
public:
    ConsoleDialogs(Console& console, TransferProgress& progress, QString subject, QString port, bool answerYes);

    // The words a box is written out in; its own text when unset.
    std::function<QString(const Message&)> wording;
    // Told of every box once it has been written out, with the answer given.
    std::function<void(const Message&, Answer)> onMessage;

    Answer message(const Message& message) override;
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> saveFile(const FileRequest& request) override;
    std::optional<QString> choosePort() override;
    bool setUpPrinter(QPrinter& printer) override;

private:
    Console& m_console;
    TransferProgress& m_progress;
    QString m_subject;
    QString m_port;
    bool m_answerYes;
};
