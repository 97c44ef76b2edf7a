#include "ConfigInput.h"
#include "Console.h"
#include "ExitStatus.h"
#include "LibraryAccess.h"
#include "LibraryCommands.h"
#include "TabSeparated.h"
#include "VersionRecorder.h"

#include <QFileInfo>

namespace {

const QString Note = QStringLiteral("note");

int run(const QCommandLineParser& parsed, Console& console)
{
    // Every file is read before the library is touched: all of them are added, or none.
    QList<Library::NewVersion> versions;
    for (const QString& path : parsed.positionalArguments()) {
        const ConfigInput::Result input = ConfigInput::read(path);
        if (!input.image)
            return console.fail(path, input.error);
        versions.append({*input.image, VersionRecorder::here(Operation::Added, QFileInfo(path).absoluteFilePath(),
                                                             parsed.value(Note))});
    }
    const std::unique_ptr<Library> library = LibraryAccess::open(parsed, console);
    if (!library)
        return ExitStatus::Failure;
    const auto recorded = library->addVersions(versions);
    if (!recorded)
        return console.fail(library->url().text(), recorded.error);
    for (qsizetype i = 0; i < recorded->size(); ++i)
        printTabSeparated(console.out(), {recorded->at(i).identifier, QString::number(recorded->at(i).number),
                                          parsed.positionalArguments().at(i)});
    return ExitStatus::Success;
}

} // namespace

Command libraryAddCommand()
{
    return {
        QStringLiteral("library add"),
        QStringLiteral("Add configuration files as versions."),
        QStringLiteral("Adds each file as a new version of the panel its identifier names (the\n"
                       "account number of its first channel), all in one change: every file is\n"
                       "added, or none. Prints a line for each: the panel, the version number and\n"
                       "the file."),
        {{QStringLiteral("FILE"), QStringLiteral("a .q22 file or a .json export"), true}},
        {LibraryAccess::option(),
         QCommandLineOption(Note, QStringLiteral("The note the versions carry."), QStringLiteral("TEXT"))},
        run,
    };
}
