#pragma once

#include "ConfigImage.h"
#include "ConfigJson.h"

#include <QString>

#include <optional>

// A configuration named on the command line: a JSON document when the name
// ends in ".json", otherwise a .q22 file read by the rules of the window's
// "Загрузить", except that a foreign signature is refused, there being nobody
// to ask, and so is a file too short for the image. "-" is standard input,
// whose form its first bytes tell: the .q22 signature or a JSON object.
class Console;

namespace ConfigInput {

inline const QString StandardInput = QStringLiteral("-");

struct Result {
    std::optional<ConfigImage> image;
    QString error;   // the reason, without the file's name
};

Result read(const QString& path);

// A template: a JSON document that names some fields, or a .q22 file, which
// names every field. Nothing when it cannot be read; the console has said why.
std::optional<ConfigTemplate> readTemplate(const QString& path, Console& console);

// How messages name the input: its path, or "standard input".
QString nameOf(const QString& path);

} // namespace ConfigInput
