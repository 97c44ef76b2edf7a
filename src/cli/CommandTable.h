#pragma once

#include "Command.h"

// The commands of zq22, in the order the program's help lists them. A new
// command is one more file and one more line in the table.
Command showCommand();
Command exportCommand();
Command importCommand();
Command diffCommand();
Command setCommand();
Command applyCommand();
Command checkCommand();
Command portsCommand();
Command readCommand();
Command writeCommand();
Command libraryCommand();

const QList<Command>& commandTable();
