#include "ConfigFile.h"

#include "AtomicFile.h"
#include "ConfigImage.h"
#include "RegularFile.h"

#include <QFile>

namespace ConfigFile {

bool signatureMatches(const QByteArray& header)
{
    return header.size() >= Signature.size() && header[0] == Signature[0] && header[1] == Signature[1]
        && header[4] == Signature[4] && header[5] == Signature[5];
}

std::optional<QString> write(const QString& path, const ConfigImage& image)
{
    return AtomicFile::write(path, Signature + image.bytes());
}

Contents read(const QString& path)
{
    Contents contents;
    QFile file(path);
    contents.error = RegularFile::openForReading(file);
    if (contents.error)
        return contents;
    const QByteArray bytes = file.read(FileSize);
    contents.header = bytes.left(Signature.size());
    contents.image = bytes.mid(Signature.size());
    if (file.error() != QFileDevice::NoError)
        contents.error = file.errorString();
    else if (bytes.isEmpty())
        contents.error = QStringLiteral("the file is empty");
    else if (bytes.size() < FileSize)
        contents.error = QStringLiteral("the file has %1 bytes, a configuration file has %2").arg(bytes.size()).arg(FileSize);
    return contents;
}

} // namespace ConfigFile
