#include "CommandHelp.h"
#include "CommandTable.h"
#include "ConfigFile.h"
#include "Console.h"
#include "ExitStatus.h"
#include "FactoryImage.h"
#include "LinkOptions.h"
#include "SignalInterrupt.h"

#include <QFileInfo>

#include <optional>

namespace {

const QString Name = QStringLiteral("read");
const QString Output = QStringLiteral("output");

// Told before the panel's time is spent on a read: the file is written into
// its folder (as a temporary file first), so that folder must take it.
std::optional<QString> cannotWriteTo(const QString& path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("it is a directory");
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("there is no directory %1").arg(folder.filePath());
    if (!folder.isWritable())
        return QStringLiteral("the directory %1 is not writable").arg(folder.filePath());
    return std::nullopt;
}

int run(const QCommandLineParser& parsed, Console& console)
{
    if (!parsed.isSet(Output))
        return console.fail(Name, QStringLiteral("expects -o FILE.q22; ") + CommandHelp::seeHelp(Name));
    // Like the window, which starts from the factory configuration.
    const LinkOptions::Result options = LinkOptions::target(parsed, factoryImage());
    if (!options.target)
        return console.fail(Name, options.error + QStringLiteral("; ") + CommandHelp::seeHelp(Name));

    const QString target = parsed.value(Output);
    if (const auto reason = cannotWriteTo(target))
        return console.failedWrite(target, *reason);

    LinkSession session(console, *options.target);
    const SignalInterrupt interrupt([&session](int status) { session.interrupt(status); });
    const int status = session.read();
    if (status != ExitStatus::Success)
        return status;
    if (const auto error = ConfigFile::write(target, session.image()))
        return console.failedWrite(target, *error);
    return ExitStatus::Success;
}

} // namespace

Command readCommand()
{
    QList<QCommandLineOption> options = LinkOptions::options();
    options.prepend(QCommandLineOption({QStringLiteral("o"), Output},
                                       QStringLiteral("The file to write; an existing file is\n"
                                                      "replaced only once the whole image has\n"
                                                      "arrived."),
                                       QStringLiteral("FILE.q22")));
    return {
        Name,
        QStringLiteral("Read a panel's configuration into a file."),
        QStringLiteral("Connects to the panel on a serial port (--port) or over the network (--udp),\n"
                       "reads its configuration and writes it to FILE.q22. The link's messages and\n"
                       "the progress go to standard error. Exit status 3 when the port or the panel\n"
                       "fails the transfer or --timeout runs out, 130 after Ctrl+C, 143 after SIGTERM;\n"
                       "no file is written then."),
        {},
        options,
        run,
    };
}
