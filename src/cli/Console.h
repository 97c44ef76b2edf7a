#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTextStream>

// Data goes to standard output, messages to standard error, and an error is
// one line that names what failed: "zq22: <subject>: <reason>".
class Console {
public:
    Console();

    QTextStream& out() { return m_out; }
    void writeData(const QByteArray& bytes);
    void message(const QString& text);
    // "zq22: <subject>: <line>" for every line of the text, so that each line
    // of a log says what it concerns.
    void report(const QString& subject, const QString& text);
    // Standard error without ending the line, for a line redrawn in place.
    void messagePart(const QString& text);

    // Reports the error and gives the status to exit with.
    int fail(const QString& subject, const QString& reason);
    int failedWrite(const QString& path, const QString& reason);

    // False, after saying so, when standard output could not take what was written:
    // a full disk or a closed pipe must not pass for success.
    bool flush();

private:
    QFile m_stdout;
    QFile m_stderr;
    QTextStream m_out;
    QTextStream m_err;
};
