#include "CommandTable.h"
#include "LibraryCommands.h"

Command libraryCommand()
{
    return {
        QStringLiteral("library"),
        QStringLiteral("List, show, export, add and check the panels' versions."),
        QStringLiteral("The panel library keeps every configuration that zq22 read and write and the\n"
                       "configurator read from a panel or wrote into it, as a version of the panel\n"
                       "its identifier names, with when, how and by whom. The library is an SQLite\n"
                       "file (by default ~/.local/share/zq22lite/library.sqlite, the window's too)\n"
                       "or a PostgreSQL database a team shares: --library URL or ZQ22_LIBRARY.\n"
                       "Output is tab-separated, without a header; times are UTC (ISO 8601)."),
        {},
        {},
        {},
        {libraryListCommand(), libraryHistoryCommand(), libraryExportCommand(), libraryAddCommand(),
         librarySetCommand(), libraryDiffCommand(), libraryCheckCommand()},
    };
}
