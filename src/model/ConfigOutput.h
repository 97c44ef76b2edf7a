#pragma once

#include <QString>

#include <optional>

class ConfigImage;

// A configuration written to the file its name asks for: its JSON form when
// the name ends in ".json", as the command line reads it back, otherwise a
// .q22 file. The whole file or nothing; the system's reason when it fails.
// The command line's outputs, and a version exported from the library.
namespace ConfigOutput {

std::optional<QString> write(const QString& path, const ConfigImage& image);

} // namespace ConfigOutput
