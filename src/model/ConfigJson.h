#pragma once

#include "ConfigImage.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The configuration as a JSON document, field by field through the catalogue,
// and back. Lossless for every image: what a readable value cannot carry
// exactly travels beside it in hexadecimal.
namespace ConfigJson {

inline constexpr const char* FormatName = "zq22-config";
inline constexpr int FormatVersion = 1;

QByteArray write(const ConfigImage& image);   // indented

struct ReadResult {
    std::optional<ConfigImage> image;
    QString error;   // the key or line and the reason; empty on success
};

ReadResult read(const QByteArray& json);

} // namespace ConfigJson
