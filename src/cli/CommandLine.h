#pragma once

#include "Command.h"

#include <QStringList>

class Console;

// From the program's arguments to one command of the table: the program's own
// help and version, each command's help, and the usage errors, alike for all.
namespace CommandLine {

int run(const QStringList& arguments, const QList<Command>& commands, Console& console);

} // namespace CommandLine
