#include "JsonConfigFile.h"

#include "FileError.h"
#include "RegularFile.h"

#include <QFile>

namespace JsonConfigFile {

namespace {

// The file's bytes, at most one more than LargestJson, or the reason they could not be had.
std::optional<QByteArray> contents(const QString& path, QString& error)
{
    QFile file(path);
    if (const auto failure = RegularFile::openForReading(file)) {
        error = failure->text;
        return std::nullopt;
    }
    const QByteArray bytes = file.read(LargestJson + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

// Why the bytes cannot be a configuration's JSON form, told by their size alone.
std::optional<QString> sizeRefusal(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return FileError::empty().text;
    if (bytes.size() > LargestJson)
        return QStringLiteral("larger than %1 bytes, too large for a configuration").arg(LargestJson);
    return std::nullopt;
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
    return fromBytes(*bytes);
}

ConfigJson::TemplateResult readTemplate(const QString& path)
{
    QString error;
    const std::optional<QByteArray> bytes = contents(path, error);
    if (!bytes)
        return {std::nullopt, error};
    if (const std::optional<QString> refusal = sizeRefusal(*bytes))
        return {std::nullopt, *refusal};
    return ConfigJson::readTemplate(*bytes);
}

ConfigJson::ReadResult fromBytes(const QByteArray& bytes)
{
    if (const std::optional<QString> refusal = sizeRefusal(bytes))
        return {std::nullopt, *refusal};
    return ConfigJson::read(bytes);
}

} // namespace JsonConfigFile
