#include "JsonConfigFile.h"

#include "RegularFile.h"

#include <QFile>

namespace JsonConfigFile {

bool isJsonName(const QString& path)
{
    return path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive);
}

ConfigJson::ReadResult read(const QString& path)
{
    QFile file(path);
    if (const auto error = RegularFile::openForReading(file))
        return {std::nullopt, error->text};
    const QByteArray bytes = file.read(LargestJson + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, file.errorString()};
    return fromBytes(bytes);
}

ConfigJson::ReadResult fromBytes(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {std::nullopt, FileError::empty().text};
    if (bytes.size() > LargestJson)
        return {std::nullopt, QStringLiteral("larger than %1 bytes, too large for a configuration").arg(LargestJson)};
    return ConfigJson::read(bytes);
}

} // namespace JsonConfigFile
