#include "JsonConfigFile.h"

#include "RegularFile.h"

#include <QFile>

namespace JsonConfigFile {

namespace {

// Far above any export: what is larger is not one, and is not read into memory.
constexpr qint64 LargestJson = 16 * 1024 * 1024;

// The file's bytes, or the reason they could not be had.
std::optional<QByteArray> contents(const QString& path, QString& error)
{
    QFile file(path);
    if (const auto failure = RegularFile::openForReading(file)) {
        error = *failure;
        return std::nullopt;
    }
    const QByteArray bytes = file.read(LargestJson + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    if (bytes.size() > LargestJson) {
        error = QStringLiteral("larger than %1 bytes, too large for a configuration").arg(LargestJson);
        return std::nullopt;
    }
    return bytes;
}

} // namespace

bool isJsonName(const QString& path)
{
    return path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive);
}

ConfigJson::ReadResult read(const QString& path)
{
    QString error;
    const std::optional<QByteArray> bytes = contents(path, error);
    if (!bytes)
        return {std::nullopt, error};
    return ConfigJson::read(*bytes);
}

ConfigJson::TemplateResult readTemplate(const QString& path)
{
    QString error;
    const std::optional<QByteArray> bytes = contents(path, error);
    if (!bytes)
        return {std::nullopt, error};
    return ConfigJson::readTemplate(*bytes);
}

} // namespace JsonConfigFile
