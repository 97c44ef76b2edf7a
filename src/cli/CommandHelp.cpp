#include "CommandHelp.h"

#include <algorithm>

namespace CommandHelp {

namespace {

struct Row {
    QString left;
    QString right;
};

// Two columns, the right one aligned.
QString table(const QList<Row>& rows)
{
    qsizetype width = 0;
    for (const Row& row : rows)
        width = std::max(width, row.left.size());
    const QString indent = QStringLiteral("\n") + QString(width + 4, QLatin1Char(' '));
    QString text;
    for (const Row& row : rows) {
        QString right = row.right;
        text += QStringLiteral("  %1  %2\n").arg(row.left, -int(width)).arg(right.replace(QLatin1Char('\n'), indent));
    }
    return text;
}

QString optionNames(const QCommandLineOption& option)
{
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        text += QLatin1Char(' ') + option.valueName();
    return text;
}

const QString ExitStatuses = QStringLiteral(
    "Exit status: 0 success, 1 the configurations differ (diff, check, library\n"
    "diff, library check), 2 bad arguments, an unreadable or invalid file, a\n"
    "configuration the configurator would refuse to write (write, set, apply), a\n"
    "failed write, or a library that cannot be opened or written, 3 the port or\n"
    "the panel failed a transfer or --timeout ran out (read, write), 130\n"
    "interrupted by Ctrl+C, 143 ended by SIGTERM.\n");

} // namespace

QCommandLineOption helpOption()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
}

QString program(const QList<Command>& commands)
{
    QList<Row> commandRows;
    for (const Command& command : commands)
        commandRows.append({command.name, command.summary});
    return QStringLiteral("Usage: zq22 COMMAND [options] ARGUMENTS...\n\n"
                          "Shows, converts, changes and compares configurations of the \"Зорвел-22 Lite\"\n"
                          "panel (.q22 files as the configurator saves them, or their JSON form), and\n"
                          "reads and writes panels, keeping their versions in the panel library.\n\n"
                          "Commands:\n")
        + table(commandRows)
        + QStringLiteral("\nOptions:\n")
        + table({{QStringLiteral("-h, --help"), QStringLiteral("Show this help.")},
                 {QStringLiteral("-v, --version"), QStringLiteral("Show the version.")}})
        + QStringLiteral("\n\"zq22 COMMAND --help\" tells a command's arguments and options.\n"
                         "Data goes to standard output, messages to standard error.\n")
        + ExitStatuses;
}

QString command(const Command& command)
{
    if (!command.commands.isEmpty())
        return group(command);
    QList<Row> argumentRows;
    for (const Command::Argument& argument : command.arguments)
        argumentRows.append({argument.usage(), argument.description});
    QList<Row> optionRows;
    for (const QCommandLineOption& option : command.options + QList{helpOption()})
        optionRows.append({optionNames(option), option.description()});

    const QString arguments = argumentsUsage(command);
    return QStringLiteral("Usage: zq22 %1 [options]%2\n\n")
               .arg(command.name, arguments.isEmpty() ? QString() : QLatin1Char(' ') + arguments)
        + command.description + QStringLiteral("\n\n")
        + (argumentRows.isEmpty() ? QString()
                                  : QStringLiteral("Arguments:\n") + table(argumentRows) + QLatin1Char('\n'))
        + QStringLiteral("Options:\n") + table(optionRows) + QLatin1Char('\n') + ExitStatuses;
}

QString group(const Command& group)
{
    QList<Row> commandRows;
    for (const Command& command : group.commands)
        commandRows.append({command.name.mid(group.name.size() + 1), command.summary});
    return QStringLiteral("Usage: zq22 %1 COMMAND [options] ARGUMENTS...\n\n").arg(group.name) + group.description
        + QStringLiteral("\n\nCommands:\n") + table(commandRows)
        + QStringLiteral("\n\"zq22 %1 COMMAND --help\" tells a command's arguments and options.\n").arg(group.name)
        + ExitStatuses;
}

QString argumentsUsage(const Command& command)
{
    QStringList names;
    int open = 0;
    for (const Command::Argument& argument : command.arguments) {
        names << (argument.optional ? QLatin1Char('[') + argument.usage() : argument.usage());
        open += argument.optional ? 1 : 0;
    }
    return names.join(QLatin1Char(' ')) + QString(open, QLatin1Char(']'));
}

QString seeHelp(const QString& commandName)
{
    return commandName.isEmpty() ? QStringLiteral("see \"zq22 --help\"")
                                 : QStringLiteral("see \"zq22 %1 --help\"").arg(commandName);
}

} // namespace CommandHelp
