#pragma once

#include "Command.h"

// The texts of --help: the program's, with the list of commands, and each
// command's, built from what the command declares so that they cannot drift.
namespace CommandHelp {

// The options every command takes besides its own.
QCommandLineOption helpOption();

QString program(const QList<Command>& commands);
QString command(const Command& command);

// A usage error's hint at the help.
QString seeHelp(const QString& commandName = QString());

} // namespace CommandHelp
