#include "Console.h"
#include "ExitStatus.h"
#include "LibraryAccess.h"
#include "LibraryCommands.h"
#include "LibraryTime.h"
#include "TabSeparated.h"

namespace {

const QString Name = QStringLiteral("library history");

int run(const QCommandLineParser& parsed, Console& console)
{
    const auto panel = LibraryAccess::panel(Name, parsed.positionalArguments().at(0), console);
    if (!panel)
        return ExitStatus::Failure;
    const std::unique_ptr<Library> library = LibraryAccess::open(parsed, console);
    if (!library)
        return ExitStatus::Failure;
    const auto history = library->history(*panel);
    if (!history)
        return console.fail(library->url().text(), history.error);
    for (const VersionEntry& version : *history) {
        const VersionOrigin& origin = version.origin;
        printTabSeparated(console.out(), {QString::number(version.number), LibraryTime::toText(origin.time),
                                          operationText(origin.operation), origin.how, origin.operatorName,
                                          origin.note});
    }
    return ExitStatus::Success;
}

} // namespace

Command libraryHistoryCommand()
{
    return {
        Name,
        QStringLiteral("List a panel's versions."),
        QStringLiteral("Lists the versions of a panel, oldest first, one a line: the version number\n"
                       "(rising from 1), the time, the operation (read, write or added), how it went\n"
                       "(the port, the panel's address, or the file), the operator and the note."),
        {{QStringLiteral("PANEL"), QStringLiteral("the panel's identifier, four hexadecimal digits")}},
        {LibraryAccess::option()},
        run,
    };
}
