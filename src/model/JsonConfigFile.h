#pragma once

#include "ConfigJson.h"

#include <QString>

// A configuration kept in its JSON form, as a file.
namespace JsonConfigFile {

// Whether a file name asks to be read as the JSON form: it ends in ".json", in any case.
bool isJsonName(const QString& path);

// Reads and parses the file; the error is the reason, without the file's name.
ConfigJson::ReadResult read(const QString& path);
ConfigJson::TemplateResult readTemplate(const QString& path);

} // namespace JsonConfigFile
