#pragma once

#include "Dialogs.h"

#include <QList>
#include <QQueue>

#include <functional>

// Answers message boxes and dialogs from queues, in order, and records every
// box shown. A box with no queued answer gets its default button.
class ScriptedDialogs final : public Dialogs {
public:
    void answer(Answer answer) { m_answers.enqueue(answer); }
    void answerOpen(std::optional<QString> path) { m_openAnswers.enqueue(std::move(path)); }
    void answerSave(std::optional<QString> path) { m_saveAnswers.enqueue(std::move(path)); }
    void answerPort(std::optional<QString> port) { m_portAnswers.enqueue(std::move(port)); }
    // The print dialog: a path makes the printer write a PDF file there, none cancels.
    void answerPrint(std::optional<QString> pdfPath) { m_printAnswers.enqueue(std::move(pdfPath)); }
    // Runs while a box is shown, before it is answered (the box is already recorded).
    void onMessage(std::function<void(const Message&)> hook) { m_hook = std::move(hook); }

    const QList<Message>& shown() const { return m_shown; }
    QStringList texts() const;
    const Message& last() const { return m_shown.constLast(); }
    void forget() { m_shown.clear(); }

    const QList<FileRequest>& openRequests() const { return m_openRequests; }
    const QList<FileRequest>& saveRequests() const { return m_saveRequests; }
    int portRequests() const { return m_portRequests; }
    int printRequests() const { return m_printRequests; }

    Answer message(const Message& message) override;
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> saveFile(const FileRequest& request) override;
    std::optional<QString> choosePort() override;
    bool setUpPrinter(QPrinter& printer) override;

private:
    QQueue<Answer> m_answers;
    QQueue<std::optional<QString>> m_openAnswers;
    QQueue<std::optional<QString>> m_saveAnswers;
    QQueue<std::optional<QString>> m_portAnswers;
    QQueue<std::optional<QString>> m_printAnswers;
    std::function<void(const Message&)> m_hook;
    QList<Message> m_shown;
    QList<FileRequest> m_openRequests;
    QList<FileRequest> m_saveRequests;
    int m_portRequests = 0;
    int m_printRequests = 0;
};
