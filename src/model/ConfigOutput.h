#pragma once

#include <QString>

#include <optional>

class ConfigImage;

// A configuration written to the file its name asks for: the JSON form when
// the name ends in ".json", otherwise a .q22 file. Whole or not at all (see
// AtomicFile); the system's reason when it fails.
namespace ConfigOutput {

std::optional<QString> write(const QString& path, const ConfigImage& image);

} // namespace ConfigOutput
