#include "CheckedChange.h"
#include "CommandHelp.h"
#include "CommandTable.h"
#include "ConfigInput.h"
#include "Console.h"
#include "ExitStatus.h"
#include "FieldTransfer.h"

namespace {

const QString Name = QStringLiteral("apply");
const QString Output = QStringLiteral("output");
const QString InPlace = QStringLiteral("in-place");

int run(const QCommandLineParser& parsed, Console& console)
{
    const QStringList files = parsed.positionalArguments().mid(1);
    if (parsed.isSet(Output) == parsed.isSet(InPlace))
        return console.fail(Name, QStringLiteral("give either -o OUT or --in-place; ") + CommandHelp::seeHelp(Name));
    if (parsed.isSet(Output) && files.size() > 1)
        return console.fail(Name, QStringLiteral("-o OUT takes one FILE; give --in-place for several; ")
                                      + CommandHelp::seeHelp(Name));
    const std::optional<ConfigTemplate> standard = ConfigInput::readTemplate(parsed.positionalArguments().at(0), console);
    if (!standard)
        return ExitStatus::Failure;
    const bool answerYes = parsed.isSet(CheckedChange::answerYesOption());

    // Each file is a panel of its own: one refused leaves the others to be done.
    int status = ExitStatus::Success;
    for (const QString& path : files) {
        const ConfigInput::Result input = ConfigInput::read(path);
        if (!input.image) {
            status = console.fail(path, input.error);
            continue;
        }
        const FieldTransfer::Result change
            = FieldTransfer::take(*input.image, standard->values(), standard->fields(), answerYes);
        const QString output = parsed.isSet(InPlace) ? path : parsed.value(Output);
        const int written = CheckedChange::write(console, path, change, output);
        if (written != ExitStatus::Success)
            status = written;
    }
    return status;
}

} // namespace

Command applyCommand()
{
    return {
        Name,
        QStringLiteral("Give configurations the fields a template names."),
        QStringLiteral("Each FILE takes the values of the fields that TEMPLATE names and keeps every\n"
                       "other byte. TEMPLATE is a JSON document of the form \"zq22 export\" writes that\n"
                       "names only some fields; a whole export, or a .q22 file, names every field.\n"
                       "A field that the pages keep together with one the template names changes\n"
                       "with it, or the file is refused. Each result is checked as \"Записать\"\n"
                       "checks the pages once the file is loaded: a file it would refuse is left as\n"
                       "it was, with the message, and the other files are still done. Exit status\n"
                       "2 when a file was refused or could not be read or written."),
        {{QStringLiteral("TEMPLATE"), QStringLiteral("the fields to give: a JSON template or a\n"
                                                     "whole configuration")},
         {QStringLiteral("FILE"), QStringLiteral("a .q22 file or a .json export"), true}},
        {QCommandLineOption({QStringLiteral("o"), Output},
                            QStringLiteral("Write the one FILE's result to OUT: the JSON\n"
                                           "form when it ends in .json, else a .q22 file."),
                            QStringLiteral("OUT")),
         QCommandLineOption(InPlace, QStringLiteral("Replace each FILE with its result, in its own\n"
                                                    "form, once the result is complete.")),
         CheckedChange::answerYesOption()},
        run,
    };
}
