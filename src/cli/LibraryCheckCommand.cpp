#include "ConfigInput.h"
#include "Console.h"
#include "DifferenceLines.h"
#include "ExitStatus.h"
#include "LibraryAccess.h"
#include "LibraryCommands.h"

#include <algorithm>

namespace {

int run(const QCommandLineParser& parsed, Console& console)
{
    const std::optional<ConfigTemplate> standard = ConfigInput::readTemplate(parsed.positionalArguments().at(0), console);
    if (!standard)
        return ExitStatus::Failure;
    const std::unique_ptr<Library> library = LibraryAccess::open(parsed, console);
    if (!library)
        return ExitStatus::Failure;

    int status = ExitStatus::Success;
    bool anyPanel = false;
    const auto failed = library->eachNewestVersion([&](const Library::PanelVersion& newest) {
        anyPanel = true;
        status = std::max(status, printTemplateCheck(console.out(), *standard, newest.image,
                                                     {newest.identifier, QString::number(newest.number)}));
    });
    if (failed)
        return console.fail(library->url().text(), *failed);
    // Nothing printed and success would read as "every panel matches" in a script's log.
    if (!anyPanel)
        console.report(library->url().text(), QStringLiteral("the library holds no panels"));
    return status;
}

} // namespace

Command libraryCheckCommand()
{
    return {
        QStringLiteral("library check"),
        QStringLiteral("List the fields where the panels differ from a template."),
        QStringLiteral("Compares the fields that TEMPLATE names with the newest version of every panel\n"
                       "in the library, as \"zq22 check\" compares files, and prints one line for each\n"
                       "field that differs, in the order of the panels' identifiers: the panel's\n"
                       "identifier, its version number, the page, the field's caption, its key, the\n"
                       "template's value and the panel's value. Exit status 0 when every panel\n"
                       "matches, also when the library holds none (which is said on standard error),\n"
                       "1 when one does not, 2 when the template or the library cannot be read."),
        {{QStringLiteral("TEMPLATE"), QStringLiteral("the fields to check: a JSON template or a\n"
                                                     "whole configuration")}},
        {LibraryAccess::option()},
        run,
    };
}
