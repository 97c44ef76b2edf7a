#include "CommandHelp.h"
#include "Console.h"
#include "ExitStatus.h"
#include "LibraryAccess.h"
#include "LibraryCommands.h"

namespace {

const QString Name = QStringLiteral("library set");
const QString SiteName = QStringLiteral("name");
const QString Address = QStringLiteral("address");
const QString Contact = QStringLiteral("contact");
const QString Notes = QStringLiteral("notes");

std::optional<QString> given(const QCommandLineParser& parsed, const QString& option)
{
    return parsed.isSet(option) ? std::optional(parsed.value(option)) : std::nullopt;
}

int run(const QCommandLineParser& parsed, Console& console)
{
    const auto panel = LibraryAccess::panel(Name, parsed.positionalArguments().at(0), console);
    if (!panel)
        return ExitStatus::Failure;
    const DetailsChange change{given(parsed, SiteName), given(parsed, Address), given(parsed, Contact),
                               given(parsed, Notes)};
    if (!change.name && !change.address && !change.contact && !change.notes)
        return console.fail(Name, QStringLiteral("give --name, --address, --contact or --notes; ")
                                      + CommandHelp::seeHelp(Name));
    const std::unique_ptr<Library> library = LibraryAccess::open(parsed, console);
    if (!library)
        return ExitStatus::Failure;
    if (const auto error = library->setDetails(*panel, change))
        return console.fail(library->url().text(), *error);
    return ExitStatus::Success;
}

} // namespace

Command librarySetCommand()
{
    return {
        Name,
        QStringLiteral("Set what is known of a panel's site."),
        QStringLiteral("Sets the site's name, address, contact or notes of a panel in the library;\n"
                       "what is not given stays as it is, and an empty text clears it."),
        {{QStringLiteral("PANEL"), QStringLiteral("the panel's identifier, four hexadecimal digits")}},
        {LibraryAccess::option(),
         QCommandLineOption(SiteName, QStringLiteral("The site's name."), QStringLiteral("TEXT")),
         QCommandLineOption(Address, QStringLiteral("The site's address."), QStringLiteral("TEXT")),
         QCommandLineOption(Contact, QStringLiteral("Whom to call."), QStringLiteral("TEXT")),
         QCommandLineOption(Notes, QStringLiteral("Anything else worth knowing."), QStringLiteral("TEXT"))},
        run,
    };
}
