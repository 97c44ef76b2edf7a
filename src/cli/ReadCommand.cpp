#include "CommandHelp.h"
#include "CommandOutput.h"
#include "CommandTable.h"
#include "ConfigFile.h"
#include "Console.h"
#include "ExitStatus.h"
#include "FactoryImage.h"
#include "JsonConfigFile.h"
#include "LinkOptions.h"
#include "SignalInterrupt.h"
#include "TransferRecording.h"

namespace {

const QString Name = QStringLiteral("read");
const QString Output = QStringLiteral("output");

int run(const QCommandLineParser& parsed, Console& console)
{
    if (!parsed.isSet(Output))
        return console.fail(Name, QStringLiteral("expects -o FILE.q22; ") + CommandHelp::seeHelp(Name));
    // Like the window, which starts from the factory configuration.
    const LinkOptions::Result options = LinkOptions::target(parsed, factoryImage());
    if (!options.target)
        return console.fail(Name, options.error + QStringLiteral("; ") + CommandHelp::seeHelp(Name));

    // Told before the panel's time is spent on a read.
    const QString target = parsed.value(Output);
    if (JsonConfigFile::isJsonName(target))
        return console.fail(target, QStringLiteral("read writes a .q22 file, not the JSON form the name asks for; "
                                                   "\"zq22 read ... -o - | zq22 export - -o %1\" writes it")
                                        .arg(target));
    if (const auto refused = CommandOutput::refuse(console, target))
        return *refused;
    const auto recording = TransferRecording::fromOptions(parsed, console);
    if (!recording)
        return ExitStatus::Failure;

    LinkSession session(console, *options.target);
    const SignalInterrupt interrupt([&session](int status) { session.interrupt(status); });
    const int status = session.read();
    if (status != ExitStatus::Success)
        return status;
    recording->record(session.image(), Operation::Read, session.route());
    return CommandOutput::write(console, target, ConfigFile::bytesOf(session.image()));
}

} // namespace

Command readCommand()
{
    QList<QCommandLineOption> options = LinkOptions::options() + TransferRecording::options();
    options.prepend(QCommandLineOption({QStringLiteral("o"), Output},
                                       QStringLiteral("The file to write; an existing file is\n"
                                                      "replaced only once the whole image has\n"
                                                      "arrived, and never a device, a pipe or a\n"
                                                      "socket; - is standard output."),
                                       QStringLiteral("FILE.q22")));
    return {
        Name,
        QStringLiteral("Read a panel's configuration into a file."),
        QStringLiteral("Connects to the panel on a serial port (--port) or over the network (--udp),\n"
                       "reads its configuration and writes it to FILE.q22. The link's messages and\n"
                       "the progress go to standard error. Exit status 3 when the port or the panel\n"
                       "fails the transfer or --timeout runs out, 130 after Ctrl+C, 143 after SIGTERM;\n"
                       "no file is written then. The configuration read is recorded as a version in\n"
                       "the panel library; a recording that fails is one more message and leaves the\n"
                       "exit status."),
        {},
        options,
        run,
    };
}
