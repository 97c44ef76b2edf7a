#include "CommandOutput.h"
#include "CommandTable.h"
#include "ConfigFile.h"
#include "ConfigInput.h"
#include "ConfigJson.h"
#include "Console.h"

namespace {

const QString Output = QStringLiteral("output");

int run(const QCommandLineParser& parsed, Console& console)
{
    const QString target = parsed.isSet(Output) ? parsed.value(Output) : QStringLiteral("-");
    if (ConfigFile::isConfigFileName(target))
        return console.fail(target, QStringLiteral("export writes the JSON form, not the .q22 file the name asks for; "
                                                   "\"zq22 import\" writes .q22 files"));
    const QString path = parsed.positionalArguments().at(0);
    const ConfigInput::Result input = ConfigInput::read(path);
    if (!input.image)
        return console.fail(ConfigInput::nameOf(path), input.error);
    return CommandOutput::write(console, target, ConfigJson::write(*input.image));
}

} // namespace

Command exportCommand()
{
    return {
        QStringLiteral("export"),
        QStringLiteral("Write a configuration in its JSON form."),
        QStringLiteral("Writes the configuration as a JSON document: every field by its key, grouped\n"
                       "like the configurator's pages, to standard output or to OUT.json. The document\n"
                       "holds every byte of the file: \"zq22 import\" gives back the same .q22 file.\n"
                       "A name ending in .q22 is refused: that is what \"zq22 import\" writes."),
        {{QStringLiteral("FILE"), QStringLiteral("a .q22 file (or a .json export); - reads\n"
                                                 "standard input")}},
        {QCommandLineOption({QStringLiteral("o"), Output},
                            QStringLiteral("Write to OUT.json, not to standard output; an\n"
                                           "existing file is replaced only once the new\n"
                                           "one is complete, and never a device, a pipe\n"
                                           "or a socket; - is standard output."),
                            QStringLiteral("OUT.json"))},
        run,
    };
}
