#pragma once

#include <QString>

#include <optional>

class QFile;

namespace RegularFile {

// Opens the file for reading, or says why not in the system's words. Anything
// but a regular file is refused before it is opened: a named pipe would wait
// for a writer that may never come, and a device may never end.
std::optional<QString> openForReading(QFile& file);

} // namespace RegularFile
