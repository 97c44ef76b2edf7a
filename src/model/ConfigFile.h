#pragma once

#include "FileError.h"

#include <QByteArray>
#include <QString>

#include <optional>

class ConfigImage;

// A configuration file: the signature "ZQ.32U" and the 9419 image bytes. The
// window's "Загрузить" and the command line read files by these same rules.
namespace ConfigFile {

inline const QByteArray Signature = QByteArrayLiteral("ZQ.32U");
constexpr int FileSize = 6 + 9419;

// Only the letters Z, Q, 2 and U are compared; the middle two are not looked at.
bool signatureMatches(const QByteArray& header);

// Whether a name is one of a configuration file: it ends in ".q22", in any case.
bool isConfigFileName(const QString& path);

// The file's bytes: the signature and the image.
QByteArray bytesOf(const ConfigImage& image);

// Writes the whole file or nothing (see OutputFile).
std::optional<FileError> write(const QString& path, const ConfigImage& image);

struct Contents {
    QByteArray header;               // the first six bytes (fewer when the file is shorter)
    QByteArray image;                // the image bytes that were there, at most 9419
    std::optional<FileError> error;  // why the file could not be opened or was too short

    // Whether there is a signature to judge: an error before the sixth byte leaves none.
    bool hasHeader() const { return header.size() == Signature.size() || !error; }
};

// Reads no further than the image's last byte, and nothing but a regular file:
// longer files load, their tail unread.
Contents read(const QString& path);
// The same judgement of bytes read elsewhere (standard input, say).
Contents contentsOf(const QByteArray& bytes);

} // namespace ConfigFile
