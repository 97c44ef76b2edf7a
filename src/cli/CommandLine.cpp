#include "CommandLine.h"

#include "CommandHelp.h"
#include "Console.h"
#include "ExitStatus.h"

#include <QCoreApplication>

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

int runCommand(const Command& command, const QStringList& arguments, Console& console)
{
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
        QStringList names;
        for (const Command::Argument& argument : command.arguments)
            names << argument.usage();
        const QString expected = names.isEmpty() ? QStringLiteral("takes no arguments")
                                                 : QStringLiteral("expects ") + names.join(QLatin1Char(' '));
        return console.fail(command.name, expected + QStringLiteral("; ") + CommandHelp::seeHelp(command.name));
    }
    return command.run(parser, console);
}

} // namespace

int run(const QStringList& arguments, const QList<Command>& commands, Console& console)
{
    const QString first = arguments.value(1);
    if (first.isEmpty()) {
        console.message(CommandHelp::program(commands).trimmed());
        return ExitStatus::Failure;
    }
    if (first == QLatin1String("-h") || first == QLatin1String("--help")) {
        console.out() << CommandHelp::program(commands);
        return ExitStatus::Success;
    }
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
