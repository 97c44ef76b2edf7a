#include "CheckedChange.h"
#include "CommandHelp.h"
#include "CommandTable.h"
#include "ConfigInput.h"
#include "Console.h"
#include "ExitStatus.h"
#include "FieldCatalogue.h"
#include "FieldTransfer.h"
#include "FieldValue.h"

namespace {

const QString Name = QStringLiteral("set");
const QString Output = QStringLiteral("output");

constexpr int SuggestedKeys = 3;

struct Assignments {
    QList<const CatalogueField*> fields;
    ConfigImage values;   // the fields' new bytes
};

// Every KEY=VALUE judged before the file is read: what is wrong with them does
// not depend on it.
std::optional<Assignments> assignments(const QStringList& arguments, Console& console)
{
    Assignments given;
    for (const QString& argument : arguments) {
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (equals < 1) {
            console.fail(Name, QStringLiteral("\"%1\" is not KEY=VALUE; ").arg(argument) + CommandHelp::seeHelp(Name));
            return std::nullopt;
        }
        const QString key = argument.left(equals);
        const CatalogueField* field = FieldCatalogue::find(key);
        if (!field) {
            const QStringList nearest = FieldCatalogue::nearestKeys(key, SuggestedKeys);
            console.fail(Name, QStringLiteral("unknown key \"%1\"; the nearest: %2")
                                   .arg(key, nearest.join(QStringLiteral(", "))));
            return std::nullopt;
        }
        if (given.fields.contains(field)) {
            console.fail(Name, QStringLiteral("%1 is given twice").arg(key));
            return std::nullopt;
        }
        QString error;
        const std::optional<QJsonValue> value = FieldCatalogue::valueOfDisplay(*field, argument.mid(equals + 1), error);
        if (!value || !FieldValue::write(*field, *value, given.values, error)) {
            console.fail(Name, QStringLiteral("%1: %2").arg(key, error));
            return std::nullopt;
        }
        given.fields.append(field);
    }
    return given;
}

int run(const QCommandLineParser& parsed, Console& console)
{
    if (!parsed.isSet(Output))
        return console.fail(Name, QStringLiteral("expects -o OUT; ") + CommandHelp::seeHelp(Name));
    const QString path = parsed.positionalArguments().at(0);
    const std::optional<Assignments> given = assignments(parsed.positionalArguments().mid(1), console);
    if (!given)
        return ExitStatus::Failure;
    const ConfigInput::Result input = ConfigInput::read(path);
    if (!input.image)
        return console.fail(path, input.error);
    const bool answerYes = parsed.isSet(CheckedChange::answerYesOption());
    const FieldTransfer::Result change = FieldTransfer::take(*input.image, given->values, given->fields, answerYes);
    return CheckedChange::write(console, path, change, parsed.value(Output));
}

} // namespace

Command setCommand()
{
    return {
        Name,
        QStringLiteral("Change some fields of a configuration, keeping every other byte."),
        QStringLiteral("Gives the fields named by their keys (as \"zq22 show\" prints them in brackets)\n"
                       "new values, written as \"zq22 show\" shows them: numbers in the pages' units,\n"
                       "texts as they read, addresses dotted, a named choice by its name, named bits\n"
                       "separated by commas (none: an empty value). Every other byte stays as it\n"
                       "was. A field that the pages keep together with another changes with it, or\n"
                       "the change is refused. The result is checked as \"Записать\" checks the pages\n"
                       "once the file is loaded: a change it would refuse is refused with its\n"
                       "message, and nothing is written."),
        {{QStringLiteral("FILE"), QStringLiteral("a .q22 file or a .json export")},
         {QStringLiteral("KEY=VALUE"), QStringLiteral("a field's key and its new value, quoted for\n"
                                                      "the shell: 'zones[Z3].type=Включен, Периметр'"),
          true}},
        {QCommandLineOption({QStringLiteral("o"), Output},
                            QStringLiteral("The file to write (required): the JSON form\n"
                                           "when it ends in .json, else a .q22 file. It\n"
                                           "may be FILE itself; an existing file is\n"
                                           "replaced only once the new one is complete."),
                            QStringLiteral("OUT")),
         CheckedChange::answerYesOption()},
        run,
    };
}
