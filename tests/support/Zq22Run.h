#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

// One run of the built zq22 as a script starts it: no display, no input.
struct Zq22Run {
    int exitCode = -1;   // -1 when it crashed or did not end in time
    QByteArray out;
    QString err;

    QStringList outLines() const;
    QStringList errLines() const;

    // Where the built zq22 is, for a test that must act while it runs.
    static QString program();

    // A run that takes longer than this is killed and fails.
    static constexpr std::chrono::milliseconds DefaultLimit{30000};

    // childSetup runs in the new process before zq22 starts (limits, signals).
    static Zq22Run start(const QStringList& arguments, const std::function<void()>& childSetup = {},
                         std::chrono::milliseconds limit = DefaultLimit);
    // With these bytes on its standard input, as at the end of a pipe.
    static Zq22Run withInput(const QByteArray& input, const QStringList& arguments);

private:
    static Zq22Run execute(const QStringList& arguments, const QByteArray* input,
                           const std::function<void()>& childSetup, std::chrono::milliseconds limit);
};
