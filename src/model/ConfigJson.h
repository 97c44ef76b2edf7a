#pragma once

#include "ConfigImage.h"
#include "ConfigTemplate.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The configuration as a JSON document, field by field through the catalogue,
// and back. Lossless for every image: what a readable value cannot carry
// exactly travels beside it as "<name>_hex", the field's bytes in hexadecimal.
namespace ConfigJson {

inline constexpr const char* FormatName = "zq22-config";
inline constexpr int FormatVersion = 1;
inline constexpr const char* HexSuffix = "_hex";

QByteArray write(const ConfigImage& image);   // indented, fields in image order

struct ReadResult {
    std::optional<ConfigImage> image;
    QString error;   // the key or line and the reason; empty on success
};

// Every field of the catalogue must be there, except the reserved ranges,
// which are zero unless given.
ReadResult read(const QByteArray& json);

struct TemplateResult {
    std::optional<ConfigTemplate> parsed;
    QString error;   // as for read
};

// A document of the same form that names only some fields, each read by the
// rules of read. One that names every field is a whole configuration: its
// reserved ranges are then named too, zero unless given, as read takes them.
TemplateResult readTemplate(const QByteArray& json);

// Where a catalogue key sits in the document: "zones[Z3].sensitivity_ms" is
// {"zones", "Z3", "sensitivity_ms"}.
QStringList pathOf(const QString& key);

} // namespace ConfigJson
