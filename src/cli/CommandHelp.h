#pragma once

#include "Command.h"

// The texts of --help: the program's, with the list of commands, and each
// command's, built from what the command declares so that they cannot drift.
namespace CommandHelp {

// The options every command takes besides its own.
QCommandLineOption helpOption();

QString program(const QList<Command>& commands);
// A command's help, or a group's with the list of its commands.
QString command(const Command& command);
QString group(const Command& group);
// The arguments as the usage line shows them: "PANEL [V1 [V2]]", "FILE...".
QString argumentsUsage(const Command& command);

// A usage error's hint at the help.
QString seeHelp(const QString& commandName = QString());

} // namespace CommandHelp
