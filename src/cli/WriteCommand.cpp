#include "CheckedChange.h"
#include "CommandHelp.h"
#include "CommandTable.h"
#include "ConfigInput.h"
#include "Console.h"
#include "ExitStatus.h"
#include "FactoryImage.h"
#include "ImageChecks.h"
#include "LinkOptions.h"
#include "SignalInterrupt.h"
#include "TransferRecording.h"

namespace {

const QString Name = QStringLiteral("write");
const QString Yes = QStringLiteral("yes");

// The configuration whose configurator port the window would show once the
// file is loaded: the file's own only when its first record is the SMS one,
// otherwise the window keeps its factory port.
ConfigImage shownConfiguration(const ConfigImage& image)
{
    namespace L = ImageLayout;
    const bool restoresPort = image.value(L::channelField(L::SmsRecord, L::Channel::Kind)) == L::Kind::SmsValue;
    return restoresPort ? image : factoryImage();
}

int run(const QCommandLineParser& parsed, Console& console)
{
    const QString path = parsed.positionalArguments().at(0);
    const ConfigInput::Result input = ConfigInput::read(path);
    if (!input.image)
        return console.fail(ConfigInput::nameOf(path), input.error);
    const LinkOptions::Result options = LinkOptions::target(parsed, shownConfiguration(*input.image));
    if (!options.target)
        return console.fail(Name, options.error + QStringLiteral("; ") + CommandHelp::seeHelp(Name));

    const auto recording = TransferRecording::fromOptions(parsed, console);
    if (!recording)
        return ExitStatus::Failure;

    const ImageChecks::Verdict verdict = ImageChecks::ofImage(*input.image, parsed.isSet(Yes));
    if (verdict.outcome != ImageChecks::Verdict::Outcome::Passed)
        return CheckedChange::refusedByChecks(console, ConfigInput::nameOf(path), verdict);

    LinkSession session(console, *options.target);
    session.image() = *input.image;
    const SignalInterrupt interrupt([&session](int status) { session.interrupt(status); });
    const int status = session.write();
    if (status == ExitStatus::Success)
        recording->record(session.image(), Operation::Write, session.route());
    return status;
}

} // namespace

Command writeCommand()
{
    return {
        Name,
        QStringLiteral("Write a configuration file into a panel."),
        QStringLiteral("Checks the configuration as the configurator's \"Записать\" checks its pages\n"
                       "once the file is loaded, then connects to the panel on a serial port (--port)\n"
                       "or over the network (--udp) and writes the file's image into it, byte for\n"
                       "byte. A configuration the configurator would refuse is refused with its\n"
                       "message and exit status 2, and nothing is sent. The link's messages and the\n"
                       "progress go to standard error. Exit status 3 when the port or the panel\n"
                       "fails the transfer or --timeout runs out, 130 after Ctrl+C, 143 after\n"
                       "SIGTERM. A configuration the panel took is recorded as a version in the panel\n"
                       "library; a recording that fails is one more message and leaves the exit\n"
                       "status."),
        {{QStringLiteral("FILE"), QStringLiteral("the configuration to write: a .q22 file or\n"
                                                 "its JSON form; - reads standard input")}},
        LinkOptions::options() + TransferRecording::options(),
        run,
    };
}
