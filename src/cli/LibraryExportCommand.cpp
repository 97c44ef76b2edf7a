#include "CommandOutput.h"
#include "ConfigJson.h"
#include "ConfigOutput.h"
#include "Console.h"
#include "ExitStatus.h"
#include "LibraryAccess.h"
#include "LibraryCommands.h"

namespace {

const QString Name = QStringLiteral("library export");
const QString Version = QStringLiteral("version");
const QString Output = QStringLiteral("output");

int run(const QCommandLineParser& parsed, Console& console)
{
    const auto panel = LibraryAccess::panel(Name, parsed.positionalArguments().at(0), console);
    if (!panel)
        return ExitStatus::Failure;
    std::optional<int> number;
    if (parsed.isSet(Version) && !(number = LibraryAccess::versionNumber(Name, parsed.value(Version), console)))
        return ExitStatus::Failure;
    const QString target = parsed.value(Output);
    if (parsed.isSet(Output))
        if (const auto refused = CommandOutput::refuse(console, target))
            return *refused;
    const std::unique_ptr<Library> library = LibraryAccess::open(parsed, console);
    if (!library)
        return ExitStatus::Failure;
    if (!number) {
        const auto details = library->details(*panel);
        if (!details)
            return console.fail(library->url().text(), details.error);
        number = details->versions;
    }
    const auto image = library->image(*panel, *number);
    if (!image)
        return console.fail(library->url().text(), image.error);
    if (!parsed.isSet(Output)) {
        console.writeData(ConfigJson::write(*image));
        return ExitStatus::Success;
    }
    return CommandOutput::write(console, target, ConfigOutput::bytesFor(target, *image));
}

} // namespace

Command libraryExportCommand()
{
    return {
        Name,
        QStringLiteral("Write a version of a panel's configuration."),
        QStringLiteral("Writes a panel's newest version, or the one --version names, as a .q22 file\n"
                       "or, when its name ends in .json, in the JSON form; without -o the JSON form\n"
                       "goes to standard output, with -o - the .q22 file."),
        {{QStringLiteral("PANEL"), QStringLiteral("the panel's identifier, four hexadecimal digits")}},
        {LibraryAccess::option(),
         QCommandLineOption(Version, QStringLiteral("This version, not the newest."), QStringLiteral("N")),
         QCommandLineOption({QStringLiteral("o"), Output},
                            QStringLiteral("Write to OUT (.q22, or .json); an existing file\n"
                                           "is replaced only once the new one is complete."),
                            QStringLiteral("OUT"))},
        run,
    };
}
