#include "ConfigFile.h"

#include "ConfigImage.h"
#include "OutputFile.h"
#include "RegularFile.h"

#include <QFile>

namespace ConfigFile {

bool signatureMatches(const QByteArray& header)
{
    return header.size() >= Signature.size() && header[0] == Signature[0] && header[1] == Signature[1]
        && header[4] == Signature[4] && header[5] == Signature[5];
}

bool isConfigFileName(const QString& path)
{
    return path.endsWith(QLatin1String(".q22"), Qt::CaseInsensitive);
}

QByteArray bytesOf(const ConfigImage& image)
{
    return Signature + image.bytes();
}

std::optional<FileError> write(const QString& path, const ConfigImage& image)
{
    return OutputFile::write(path, bytesOf(image));
}

Contents read(const QString& path)
{
    QFile file(path);
    if (auto error = RegularFile::openForReading(file))
        return {QByteArray(), QByteArray(), error};
    Contents contents = contentsOf(file.read(FileSize));
    if (file.error() != QFileDevice::NoError)
        contents.error = FileError::system(file.errorString());
    return contents;
}

Contents contentsOf(const QByteArray& bytes)
{
    Contents contents;
    contents.header = bytes.left(Signature.size());
    contents.image = bytes.mid(Signature.size(), FileSize - Signature.size());
    if (bytes.isEmpty())
        contents.error = FileError::empty();
    else if (bytes.size() < FileSize)
        contents.error = FileError::tooShort(bytes.size(), FileSize);
    return contents;
}

} // namespace ConfigFile
