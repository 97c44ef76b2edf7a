#include "AtomicFile.h"
#include "CommandTable.h"
#include "ConfigInput.h"
#include "ConfigJson.h"
#include "Console.h"
#include "ExitStatus.h"

namespace {

const QString Output = QStringLiteral("output");

int run(const QCommandLineParser& parsed, Console& console)
{
    const QString path = parsed.positionalArguments().at(0);
    const ConfigInput::Result input = ConfigInput::read(path);
    if (!input.image)
        return console.fail(path, input.error);
    const QByteArray json = ConfigJson::write(*input.image);
    if (!parsed.isSet(Output)) {
        console.writeData(json);
        return ExitStatus::Success;
    }
    const QString target = parsed.value(Output);
    if (const auto error = AtomicFile::write(target, json))
        return console.failedWrite(target, *error);
    return ExitStatus::Success;
}

} // namespace

Command exportCommand()
{
    return {
        QStringLiteral("export"),
        QStringLiteral("Write a configuration in its JSON form."),
        QStringLiteral("Writes the configuration as a JSON document: every field by its key, grouped\n"
                       "like the configurator's pages, to standard output or to OUT.json. The document\n"
                       "holds every byte of the file: \"zq22 import\" gives back the same .q22 file."),
        {{QStringLiteral("FILE"), QStringLiteral("a .q22 file (or a .json export)")}},
        {QCommandLineOption({QStringLiteral("o"), Output},
                            QStringLiteral("Write to OUT.json, not to standard output; an\n"
                                           "existing file is replaced only once the new\n"
                                           "one is complete."),
                            QStringLiteral("OUT.json"))},
        run,
    };
}
