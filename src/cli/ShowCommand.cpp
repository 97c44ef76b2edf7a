#include "CommandTable.h"
#include "ConfigInput.h"
#include "Console.h"
#include "ExitStatus.h"
#include "FactoryImage.h"
#include "FieldCatalogue.h"
#include "ImageComparison.h"
#include "PrintableText.h"

namespace {

const QString Changed = QStringLiteral("changed");

// The fields as the pages group them: pages in the order of the window's tabs,
// sections within a page in the order they first appear in the image, fields in
// image order within a section.
bool allZero(const CatalogueField& field, const ConfigImage& image)
{
    const QByteArray bytes = field.bytesOf(image);
    return bytes.count('\0') == bytes.size();
}

// Every field a page shows; a reserved range only when the panel put something there.
QList<const CatalogueField*> shownFields(const ConfigImage& image)
{
    QList<const CatalogueField*> shown;
    for (const CatalogueField& field : FieldCatalogue::fields())
        if (field.kind != FieldKind::Reserved || !allZero(field, image))
            shown.append(&field);
    return shown;
}

QList<const CatalogueField*> changedFields(const ConfigImage& image)
{
    QList<const CatalogueField*> changed;
    for (const FieldDifference& difference : compareImages(factoryImage(), image))
        changed.append(difference.field);
    return changed;
}

// A page a line, a section a line below it, and its fields below that.
void print(const QList<const CatalogueField*>& fields, const ConfigImage& image, QTextStream& out)
{
    const CatalogueField* previous = nullptr;
    for (const CatalogueField* field : FieldCatalogue::inPageOrder(fields)) {
        const bool newPage = !previous || previous->page != field->page;
        if (newPage)
            out << field->page << '\n';
        if (!field->section.isEmpty() && (newPage || previous->section != field->section))
            out << "  " << field->section << '\n';
        out << (field->section.isEmpty() ? "  " : "    ") << field->caption << ": "
            << printableText(FieldCatalogue::displayValue(*field, image)) << "  [" << field->key << "]\n";
        previous = field;
    }
}

int run(const QCommandLineParser& parsed, Console& console)
{
    const QString path = parsed.positionalArguments().at(0);
    const ConfigInput::Result input = ConfigInput::read(path);
    if (!input.image)
        return console.fail(ConfigInput::nameOf(path), input.error);
    const ConfigImage& image = *input.image;
    print(parsed.isSet(Changed) ? changedFields(image) : shownFields(image), image, console.out());
    return ExitStatus::Success;
}

} // namespace

Command showCommand()
{
    return {
        QStringLiteral("show"),
        QStringLiteral("Show a configuration as the configurator's pages show it."),
        QStringLiteral("Prints the configuration page by page and section by section, one field a line:\n"
                       "its caption on the page, its value as the page shows it (the siren time in\n"
                       "seconds, a zone's type as its marks) and, in brackets, its key in the JSON form\n"
                       "and in \"zq22 diff\". The bytes that no page shows (reserved ranges, users\n"
                       "33-64, unused slots) appear only when they are not all zero, as hexadecimal."),
        {{QStringLiteral("FILE"), QStringLiteral("a .q22 file or a .json export; - reads\n"
                                                 "standard input")}},
        {QCommandLineOption(Changed, QStringLiteral("Show only the fields that differ from the\n"
                                                    "factory configuration (\"Заводские установки\"),\n"
                                                    "reserved ranges included."))},
        run,
    };
}
