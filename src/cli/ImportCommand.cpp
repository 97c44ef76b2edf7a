#include "CommandHelp.h"
#include "CommandOutput.h"
#include "CommandTable.h"
#include "ConfigFile.h"
#include "ConfigInput.h"
#include "Console.h"
#include "JsonConfigFile.h"

namespace {

const QString Name = QStringLiteral("import");
const QString Output = QStringLiteral("output");

int run(const QCommandLineParser& parsed, Console& console)
{
    if (!parsed.isSet(Output))
        return console.fail(Name, QStringLiteral("expects -o OUT.q22; ") + CommandHelp::seeHelp(Name));
    const QString target = parsed.value(Output);
    if (JsonConfigFile::isJsonName(target))
        return console.fail(target, QStringLiteral("import writes a .q22 file, not the JSON form the name asks for; "
                                                   "\"zq22 export\" writes the JSON form"));
    const QString path = parsed.positionalArguments().at(0);
    const ConfigInput::Result input = ConfigInput::read(path);
    if (!input.image)
        return console.fail(ConfigInput::nameOf(path), input.error);
    return CommandOutput::write(console, target, ConfigFile::bytesOf(*input.image));
}

} // namespace

Command importCommand()
{
    return {
        Name,
        QStringLiteral("Write a JSON configuration as a .q22 file."),
        QStringLiteral("Reads a configuration in its JSON form, as \"zq22 export\" writes it, checks every\n"
                       "field against its range and size, and writes the .q22 file that the\n"
                       "configurator's \"Загрузить\" loads. Nothing is written when the document has an\n"
                       "error; the message names the key. A name ending in .json is refused: that\n"
                       "is what \"zq22 export\" writes."),
        {{QStringLiteral("IN.json"), QStringLiteral("a JSON configuration (or a .q22 file); -\n"
                                                    "reads standard input")}},
        {QCommandLineOption({QStringLiteral("o"), Output},
                            QStringLiteral("The .q22 file to write (required); an\n"
                                           "existing file is replaced only once the new\n"
                                           "one is complete, and never a device, a pipe\n"
                                           "or a socket; - is standard output."),
                            QStringLiteral("OUT.q22"))},
        run,
    };
}
