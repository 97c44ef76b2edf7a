#include "Console.h"
#include "ExitStatus.h"
#include "LibraryAccess.h"
#include "LibraryCommands.h"
#include "LibraryTime.h"
#include "TabSeparated.h"

namespace {

const QString Search = QStringLiteral("search");

int run(const QCommandLineParser& parsed, Console& console)
{
    const std::unique_ptr<Library> library = LibraryAccess::open(parsed, console);
    if (!library)
        return ExitStatus::Failure;
    const auto panels = library->panels(parsed.value(Search));
    if (!panels)
        return console.fail(library->url().text(), panels.error);
    for (const PanelSummary& panel : *panels)
        printTabSeparated(console.out(), {panel.identifier, panel.name, panel.address, QString::number(panel.versions),
                                          LibraryTime::toText(panel.lastChange)});
    return ExitStatus::Success;
}

} // namespace

Command libraryListCommand()
{
    return {
        QStringLiteral("library list"),
        QStringLiteral("List the panels."),
        QStringLiteral("Lists the panels in the library, one a line in the order of their identifiers:\n"
                       "the identifier, the site's name, its address, the number of versions and the\n"
                       "time of the newest version."),
        {},
        {LibraryAccess::option(),
         QCommandLineOption(Search,
                            QStringLiteral("Only the panels whose identifier, name, address,\n"
                                           "contact or notes hold TEXT, in any case."),
                            QStringLiteral("TEXT"))},
        run,
    };
}
