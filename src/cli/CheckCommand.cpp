#include "CommandTable.h"
#include "ConfigInput.h"
#include "Console.h"
#include "DifferenceLines.h"
#include "ExitStatus.h"

#include <algorithm>

namespace {

int run(const QCommandLineParser& parsed, Console& console)
{
    const std::optional<ConfigTemplate> standard = ConfigInput::readTemplate(parsed.positionalArguments().at(0), console);
    if (!standard)
        return ExitStatus::Failure;

    // A file that cannot be read does not stop the others from being checked;
    // it outweighs a difference in the exit status.
    int status = ExitStatus::Success;
    for (const QString& path : parsed.positionalArguments().mid(1)) {
        const ConfigInput::Result input = ConfigInput::read(path);
        if (!input.image) {
            status = console.fail(path, input.error);
            continue;
        }
        status = std::max(status, printTemplateCheck(console.out(), *standard, *input.image, {path}));
    }
    return status;
}

} // namespace

Command checkCommand()
{
    return {
        QStringLiteral("check"),
        QStringLiteral("List the fields where configurations differ from a template."),
        QStringLiteral("Compares the fields that TEMPLATE names with each FILE and prints one line\n"
                       "for each field that differs, its columns separated by tabs: the file, the\n"
                       "page, the field's caption, its key, the template's value and the file's\n"
                       "value, the values as the pages show them. Nothing is printed when every\n"
                       "file matches. Exit status 0 when every file matches, 1 when one does not,\n"
                       "2 when the template or a file cannot be read; the other files are still\n"
                       "checked."),
        {{QStringLiteral("TEMPLATE"), QStringLiteral("the fields to check: a JSON template or a\n"
                                                     "whole configuration")},
         {QStringLiteral("FILE"), QStringLiteral("a .q22 file or a .json export"), true}},
        {},
        run,
    };
}
