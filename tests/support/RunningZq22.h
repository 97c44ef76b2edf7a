#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The built zq22 running beside a test that acts while it runs (starts a
// panel once it listens, presses Ctrl+C). Every wait is bounded.
class RunningZq22 {
public:
    ~RunningZq22();

    bool start(const QStringList& arguments);
    // True once standard error holds the text.
    bool waitForError(const QString& text, int timeoutMs);
    // Ctrl+C.
    void interrupt();
    // What timeout(1) and service managers send.
    void terminate();
    // True when it ended by itself in time; otherwise it is killed.
    bool waitForEnd(int timeoutMs);

    int exitCode() const { return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1; }
    const QString& err() const { return m_err; }
    QStringList errLines() const { return m_err.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

private:
    void takeError();

    QProcess m_process;
    QString m_err;
};
