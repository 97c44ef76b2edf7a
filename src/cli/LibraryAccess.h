#pragma once

#include "Library.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <memory>
#include <optional>

class Console;

// The library a command of zq22 works on: --library URL, else the environment
// variable ZQ22_LIBRARY, else the default file. Every failure is one line
// that names the library, and exit status 2.
namespace LibraryAccess {

QCommandLineOption option();

// The library the options name, or why they name none.
LibraryResult<LibraryUrl> url(const QCommandLineParser& parsed);
// What a message about the library names: its URL, or the text given for it.
QString subject(const QCommandLineParser& parsed);

// Opens the library, or says why not and gives nothing.
std::unique_ptr<Library> open(const QCommandLineParser& parsed, Console& console);

// A panel as the command's argument names it, or says why that is none.
std::optional<QString> panel(const QString& commandName, const QString& text, Console& console);
// A version number (1, 2, ...) as the command's argument gives it, or says why that is none.
std::optional<int> versionNumber(const QString& commandName, const QString& text, Console& console);

} // namespace LibraryAccess
