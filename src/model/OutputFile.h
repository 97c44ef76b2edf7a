#pragma once

#include "FileError.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Every file the programs write goes through here: a configuration, its JSON
// form, a report. An existing file that is not a regular file (a device, a
// named pipe, a socket, a folder) is never replaced; a symbolic link stays a
// link and the file it points to is written.
namespace OutputFile {

// Why nothing can be written at `path`, told before any work is spent on it.
std::optional<FileError> refusal(const QString& path);

// Writes the whole file or nothing: an existing file is replaced only once the
// new one is complete.
std::optional<FileError> write(const QString& path, const QByteArray& bytes);

} // namespace OutputFile
