#include "Console.h"
#include "DifferenceLines.h"
#include "ExitStatus.h"
#include "LibraryAccess.h"
#include "LibraryCommands.h"
#include "LibraryTexts.h"

namespace {

const QString Name = QStringLiteral("library diff");

int run(const QCommandLineParser& parsed, Console& console)
{
    const QStringList arguments = parsed.positionalArguments();
    const auto panel = LibraryAccess::panel(Name, arguments.at(0), console);
    if (!panel)
        return ExitStatus::Failure;
    QList<int> numbers;
    for (const QString& text : arguments.mid(1)) {
        const auto number = LibraryAccess::versionNumber(Name, text, console);
        if (!number)
            return ExitStatus::Failure;
        numbers << *number;
    }
    const std::unique_ptr<Library> library = LibraryAccess::open(parsed, console);
    if (!library)
        return ExitStatus::Failure;
    const QString subject = library->url().text();
    if (numbers.size() < 2) {
        const auto details = library->details(*panel);
        if (!details)
            return console.fail(subject, details.error);
        // V1 against the newest; without V1 the two newest.
        if (numbers.isEmpty() && details->versions < 2)
            return console.fail(subject, LibraryTexts::onlyOneVersion(*panel));
        if (numbers.isEmpty())
            numbers << details->versions - 1;
        numbers << details->versions;
    }
    QList<ConfigImage> images;
    for (const int number : numbers) {
        const auto image = library->image(*panel, number);
        if (!image)
            return console.fail(subject, image.error);
        images << *image;
    }
    return printComparison(console.out(), images[0], images[1]);
}

} // namespace

Command libraryDiffCommand()
{
    return {
        Name,
        QStringLiteral("List the fields that differ between two versions of a panel."),
        QStringLiteral("Compares two versions of a panel field by field, as \"zq22 diff\" compares two\n"
                       "files, with the same columns: the page, the caption, the key, the value in V1\n"
                       "and the value in V2. Without V2 V1 is compared with the newest version;\n"
                       "without either, the two newest versions."),
        {{QStringLiteral("PANEL"), QStringLiteral("the panel's identifier, four hexadecimal digits")},
         {.name = QStringLiteral("V1"), .description = QStringLiteral("the older version's number"), .optional = true},
         {.name = QStringLiteral("V2"), .description = QStringLiteral("the newer version's number"), .optional = true}},
        {LibraryAccess::option()},
        run,
    };
}
