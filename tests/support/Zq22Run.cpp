#include "Zq22Run.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace {

QStringList lines(const QString& text)
{
    QStringList result = text.split(QLatin1Char('\n'));
    if (result.constLast().isEmpty())
        result.removeLast();
    return result;
}

} // namespace

QStringList Zq22Run::outLines() const
{
    return lines(QString::fromUtf8(out));
}

QStringList Zq22Run::errLines() const
{
    return lines(err);
}

QString Zq22Run::program()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zq22"));
}

Zq22Run Zq22Run::start(const QStringList& arguments, const std::function<void()>& childSetup,
                       std::chrono::milliseconds limit)
{
    return execute(arguments, nullptr, childSetup, limit);
}

Zq22Run Zq22Run::withInput(const QByteArray& input, const QStringList& arguments)
{
    return execute(arguments, &input, {}, DefaultLimit);
}

Zq22Run Zq22Run::execute(const QStringList& arguments, const QByteArray* input,
                         const std::function<void()>& childSetup, std::chrono::milliseconds limit)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    if (childSetup)
        process.setChildProcessModifier(childSetup);
    if (!input)
        process.setStandardInputFile(QProcess::nullDevice());
    process.start(program(), arguments);
    if (input) {
        process.write(*input);
        process.closeWriteChannel();
    }
    Zq22Run run;
    if (!process.waitForFinished(static_cast<int>(limit.count()))) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
    }
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
