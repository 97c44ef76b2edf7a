#pragma once

#include <QByteArray>
#include <QString>

class ConfigImage;

// A configuration in the form its output's name asks for: the JSON form when
// the name ends in ".json", as ConfigInput reads it back, otherwise a .q22 file.
namespace ConfigOutput {

QByteArray bytesFor(const QString& target, const ConfigImage& image);

} // namespace ConfigOutput
