#pragma once

#include <QString>

#include <optional>

class ConfigImage;

// A configuration written where the command line was told: its JSON form when
// the name ends in ".json", as ConfigInput reads it back, otherwise a .q22
// file. The whole file or nothing; the system's reason when it fails.
namespace ConfigOutput {

std::optional<QString> write(const QString& path, const ConfigImage& image);

} // namespace ConfigOutput
