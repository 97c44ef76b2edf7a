#include "ConsoleDialogs.h"

#include "Console.h"
#include "TransferProgress.h"

ConsoleDialogs::ConsoleDialogs(Console& console, TransferProgress& progress, QString subject, QString port,
                               bool answerYes)
    : m_console(console)
    , m_progress(progress)
    , m_subject(std::move(subject))
    , m_port(std::move(port))
    , m_answerYes(answerYes)
{
}

Dialogs::Answer ConsoleDialogs::message(const Message& message)
{
    m_progress.interrupt();
    m_console.report(m_subject, wording ? wording(message) : message.text);
    Answer answer = Answer::Ok;
    if (message.buttons == Buttons::YesNo)
        answer = m_answerYes ? Answer::Yes : Answer::No;
    if (onMessage)
        onMessage(message, answer);
    return answer;
}

std::optional<QString> ConsoleDialogs::openFile(const FileRequest&)
{
    return std::nullopt;
}

std::optional<QString> ConsoleDialogs::saveFile(const FileRequest&)
{
    return std::nullopt;
}

std::optional<QString> ConsoleDialogs::choosePort()
{
    if (m_port.isEmpty())
        return std::nullopt;
    return m_port;
}

bool ConsoleDialogs::setUpPrinter(QPrinter&)
{
    return false;
}
