#include "LibraryAccess.h"

#include "CommandHelp.h"
#include "Console.h"
#include "PanelKey.h"

namespace LibraryAccess {

namespace {
const QString Name = QStringLiteral("library");
const char* const Variable = "ZQ22_LIBRARY";

QString given(const QCommandLineParser& parsed)
{
    return parsed.isSet(Name) ? parsed.value(Name) : qEnvironmentVariable(Variable);
}
} // namespace

QCommandLineOption option()
{
    return QCommandLineOption(Name,
                              QStringLiteral("The library: an SQLite file, or\n"
                                             "postgresql://USER@HOST[:PORT]/DB; without it\n"
                                             "ZQ22_LIBRARY, else the user's library file."),
                              QStringLiteral("URL"));
}

LibraryResult<LibraryUrl> url(const QCommandLineParser& parsed)
{
    return LibraryUrl::parse(given(parsed));
}

QString subject(const QCommandLineParser& parsed)
{
    const LibraryResult<LibraryUrl> named = url(parsed);
    return named ? named->text() : given(parsed);
}

std::unique_ptr<Library> open(const QCommandLineParser& parsed, Console& console)
{
    const LibraryResult<LibraryUrl> named = url(parsed);
    if (!named) {
        console.fail(subject(parsed), named.error);
        return nullptr;
    }
    LibraryResult<std::unique_ptr<Library>> library = Library::open(*named);
    if (!library) {
        console.fail(named->text(), library.error);
        return nullptr;
    }
    return std::move(*library);
}

std::optional<QString> panel(const QString& commandName, const QString& text, Console& console)
{
    const LibraryResult<QString> identifier = PanelKey::parse(text);
    if (!identifier) {
        console.fail(commandName, identifier.error);
        return std::nullopt;
    }
    return *identifier;
}

std::optional<int> versionNumber(const QString& commandName, const QString& text, Console& console)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < 1) {
        console.fail(
            commandName, QStringLiteral("%1 is not a version number; %2").arg(text, CommandHelp::seeHelp(commandName)));
        return std::nullopt;
    }
    return number;
}

} // namespace LibraryAccess
