#include "ScriptedDialogs.h"

#include <QPrinter>

QStringList ScriptedDialogs::texts() const
{
    QStringList result;
    for (const Message& message : m_shown)
        result.append(message.text);
    return result;
}

Dialogs::Answer ScriptedDialogs::message(const Message& message)
{
    m_shown.append(message);
    if (m_hook)
        m_hook(message);
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return message.buttons == Buttons::Ok ? Answer::Ok : message.defaultButton;
}

std::optional<QString> ScriptedDialogs::openFile(const FileRequest& request)
{
    m_openRequests.append(request);
    return m_openAnswers.isEmpty() ? std::nullopt : m_openAnswers.dequeue();
}

std::optional<QString> ScriptedDialogs::saveFile(const FileRequest& request)
{
    m_saveRequests.append(request);
    return m_saveAnswers.isEmpty() ? std::nullopt : m_saveAnswers.dequeue();
}

std::optional<QString> ScriptedDialogs::choosePort()
{
    ++m_portRequests;
    return m_portAnswers.isEmpty() ? std::nullopt : m_portAnswers.dequeue();
}

bool ScriptedDialogs::setUpPrinter(QPrinter& printer)
{
    ++m_printRequests;
    const std::optional<QString> path = m_printAnswers.isEmpty() ? std::nullopt : m_printAnswers.dequeue();
    if (!path)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*path);
    return true;
}
