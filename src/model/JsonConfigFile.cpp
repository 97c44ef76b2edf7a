#include "JsonConfigFile.h"

#include "RegularFile.h"

#include <QFile>

namespace JsonConfigFile {

namespace {

// Far above any export: what is larger is not one, and is not read into memory.
constexpr qint64 LargestJson = 16 * 1024 * 1024;

} // namespace

bool isJsonName(const QString& path)
{
    return path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive);
}

ConfigJson::ReadResult read(const QString& path)
{
    QFile file(path);
    if (const auto error = RegularFile::openForReading(file))
        return {std::nullopt, *error};
    const QByteArray bytes = file.read(LargestJson + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, file.errorString()};
    if (bytes.size() > LargestJson)
        return {std::nullopt, QStringLiteral("larger than %1 bytes, too large for a configuration").arg(LargestJson)};
    return ConfigJson::read(bytes);
}

} // namespace JsonConfigFile
