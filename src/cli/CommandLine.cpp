#include "CommandLine.h"

#include "CommandHelp.h"
#include "Console.h"
#include "ExitStatus.h"

#include <QCoreApplication>

#include <optional>

namespace CommandLine {

namespace {

const Command* find(const QList<Command>& commands, const QString& name)
{
    for (const Command& command : commands)
        if (command.name == name)
            return &command;
    return nullptr;
}

QString withoutFullStop(QString text)
{
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

int runGroup(const Command& group, const QStringList& arguments, Console& console);

int runCommand(const Command& command, const QStringList& arguments, Console& console)
{
    if (!command.commands.isEmpty())
        return runGroup(command, arguments, console);
    QCommandLineParser parser;
    const QCommandLineOption help = CommandHelp::helpOption();
    parser.addOptions(command.options);
    parser.addOption(help);
    if (!parser.parse(QStringList{QStringLiteral("zq22")} + arguments))
        return console.fail(command.name, withoutFullStop(parser.errorText()) + QStringLiteral("; ")
                                              + CommandHelp::seeHelp(command.name));
    if (parser.isSet(help)) {
        console.out() << CommandHelp::command(command);
        return ExitStatus::Success;
    }
    if (!command.takes(parser.positionalArguments().size())) {
        const QString expected = command.arguments.isEmpty()
                                     ? QStringLiteral("takes no arguments")
                                     : QStringLiteral("expects ") + CommandHelp::argumentsUsage(command);
        return console.fail(command.name, expected + QStringLiteral("; ") + CommandHelp::seeHelp(command.name));
    }
    return command.run(parser, console);
}

// Where a command is expected: nothing is the help as an error, --help the help.
std::optional<int> helpInstead(const QString& first, const QString& help, Console& console)
{
    if (first.isEmpty()) {
        console.message(help.trimmed());
        return ExitStatus::Failure;
    }
    if (first == QLatin1String("-h") || first == QLatin1String("--help")) {
        console.out() << help;
        return ExitStatus::Success;
    }
    return std::nullopt;
}

// "zq22 library list ...": the group's command by the next argument.
int runGroup(const Command& group, const QStringList& arguments, Console& console)
{
    const QString first = arguments.value(0);
    if (const auto status = helpInstead(first, CommandHelp::group(group), console))
        return *status;
    const Command* command = find(group.commands, group.name + QLatin1Char(' ') + first);
    if (!command)
        return console.fail(group.name + QLatin1Char(' ') + first,
                            QStringLiteral("no such command; ") + CommandHelp::seeHelp(group.name));
    return runCommand(*command, arguments.mid(1), console);
}

} // namespace

int run(const QStringList& arguments, const QList<Command>& commands, Console& console)
{
    const QString first = arguments.value(1);
    if (const auto status = helpInstead(first, CommandHelp::program(commands), console))
        return *status;
    if (first == QLatin1String("-v") || first == QLatin1String("--version")) {
        console.out() << QStringLiteral("zq22 %1\n").arg(QCoreApplication::applicationVersion());
        return ExitStatus::Success;
    }
    const Command* command = find(commands, first);
    if (!command)
        return console.fail(first, QStringLiteral("no such command; ") + CommandHelp::seeHelp());
    return runCommand(*command, arguments.mid(2), console);
}

} // namespace CommandLine
