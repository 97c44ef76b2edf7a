#pragma once

#include "FileError.h"

#include <optional>

class QFile;

namespace RegularFile {

// Opens the file for reading, or says why not. Anything but a regular file is
// refused before it is opened: a named pipe would wait for a writer that may
// never come, and a device may never end.
std::optional<FileError> openForReading(QFile& file);

} // namespace RegularFile
