#pragma once

#include "Command.h"

// zq22 library and its commands, each in a file of its own.
Command libraryListCommand();
Command libraryHistoryCommand();
Command libraryExportCommand();
Command libraryAddCommand();
Command librarySetCommand();
Command libraryDiffCommand();
Command libraryCheckCommand();
