#include "Console.h"

#include "ExitStatus.h"

#include <cstdio>

Console::Console()
{
    m_stdout.open(stdout, QIODevice::WriteOnly);
    m_stderr.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    m_out.setDevice(&m_stdout);
    m_err.setDevice(&m_stderr);
}

void Console::writeData(const QByteArray& bytes)
{
    m_out.flush();
    m_stdout.write(bytes);
}

void Console::message(const QString& text)
{
    m_err << text << Qt::endl;
}

void Console::report(const QString& subject, const QString& text)
{
    for (const QString& line : text.split(QLatin1Char('\n')))
        message(QStringLiteral("zq22: %1: %2").arg(subject, line));
}

void Console::messagePart(const QString& text)
{
    m_err << text << Qt::flush;
}

int Console::fail(const QString& subject, const QString& reason)
{
    report(subject, reason);
    return ExitStatus::Failure;
}

int Console::failedWrite(const QString& path, const QString& reason)
{
    return fail(path, QStringLiteral("cannot write the file: %1").arg(reason));
}

bool Console::flush()
{
    m_out.flush();
    if (m_out.status() == QTextStream::Ok && m_stdout.flush() && m_stdout.error() == QFileDevice::NoError)
        return true;
    fail(QStringLiteral("standard output"), m_stdout.errorString());
    return false;
}
