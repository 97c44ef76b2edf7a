#pragma once

#include "ConfigJson.h"

#include <QString>

// A configuration kept in its JSON form, as a file.
namespace JsonConfigFile {

// Far above any export: what is larger is not one, and is not read into memory.
constexpr qint64 LargestJson = 16 * 1024 * 1024;

// Whether a file name asks to be read as the JSON form: it ends in ".json", in any case.
bool isJsonName(const QString& path);

// Reads and parses the file; the error is the reason, without the file's name.
ConfigJson::ReadResult read(const QString& path);
ConfigJson::TemplateResult readTemplate(const QString& path);
// The same for a document read elsewhere (standard input, say), at most one
// byte more than LargestJson.
ConfigJson::ReadResult fromBytes(const QByteArray& bytes);

} // namespace JsonConfigFile
