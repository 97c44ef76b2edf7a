#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class ConfigImage;

// A configuration file: the signature "ZQ.32U" and the 9419 image bytes.
namespace ConfigFile {

inline const QByteArray Signature = QByteArrayLiteral("ZQ.32U");
constexpr int FileSize = 6 + 9419;

// Only the letters Z, Q, 2 and U are compared; the middle two are not looked at.
bool signatureMatches(const QByteArray& header);

// Writes the whole file or nothing: an existing file is replaced only once the
// new one is complete. The system's reason when it fails.
std::optional<QString> write(const QString& path, const ConfigImage& image);

struct Contents {
    QByteArray header;             // the first six bytes (fewer when the file is shorter)
    QByteArray image;              // the image bytes that were there, at most 9419
    std::optional<QString> error;  // why the file could not be opened or was too short
};

// Reads no further than the image's last byte, and nothing but a regular file.
Contents read(const QString& path);

} // namespace ConfigFile
