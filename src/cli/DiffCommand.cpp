#include "CommandTable.h"
#include "ConfigInput.h"
#include "Console.h"
#include "DifferenceLines.h"

namespace {

int run(const QCommandLineParser& parsed, Console& console)
{
    const QStringList paths = parsed.positionalArguments();
    if (paths.count(ConfigInput::StandardInput) > 1)
        return console.fail(QStringLiteral("diff"), QStringLiteral("standard input (-) can be only one of A and B"));
    QList<ConfigImage> images;
    for (const QString& path : paths) {
        ConfigInput::Result input = ConfigInput::read(path);
        if (!input.image)
            return console.fail(ConfigInput::nameOf(path), input.error);
        images.append(*input.image);
    }
    return printComparison(console.out(), images[0], images[1]);
}

} // namespace

Command diffCommand()
{
    return {
        QStringLiteral("diff"),
        QStringLiteral("List the fields that differ between two configurations."),
        QStringLiteral("Compares two configurations field by field and prints one line for each field\n"
                       "that differs, its columns separated by tabs: the page, the field's caption, its\n"
                       "key, the value in A and the value in B, the values as the pages show them.\n"
                       "Nothing is printed when the two are equal."),
        {{QStringLiteral("A"), QStringLiteral("a configuration: a .q22 file or a .json export;\n"
                                              "- reads standard input")},
         {QStringLiteral("B"), QStringLiteral("the configuration to compare it with, of either form")}},
        {},
        run,
    };
}
