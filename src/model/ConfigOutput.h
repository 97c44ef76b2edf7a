#pragma once

#include <QByteArray>
#include <QString>

class ConfigImage;

// A configuration in the form its output's name asks for: the JSON form when
// the name ends in ".json", as the command line reads it back, otherwise a
// .q22 file. For the command line's outputs, and a version the window exports
// from the library.
namespace ConfigOutput {

QByteArray bytesFor(const QString& target, const ConfigImage& image);

} // namespace ConfigOutput
