#include "CommandTable.h"

const QList<Command>& commandTable()
{
    static const QList<Command> table = {showCommand(), exportCommand(), importCommand(), diffCommand(),
                                         setCommand(),  applyCommand(),  checkCommand(),  portsCommand(),
                                         readCommand(), writeCommand(),  libraryCommand()};
    return table;
}
