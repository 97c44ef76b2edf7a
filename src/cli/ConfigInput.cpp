#include "ConfigInput.h"

#include "ConfigFile.h"
#include "ConfigJson.h"

#include <QFile>

namespace ConfigInput {

namespace {

// Far above any export: what is larger is not one, and is not read into memory.
constexpr qint64 LargestJson = 16 * 1024 * 1024;

Result readQ22(const QString& path)
{
    const ConfigFile::Contents contents = ConfigFile::read(path);
    if (!contents.hasHeader())
        return {std::nullopt, *contents.error};
    if (!ConfigFile::signatureMatches(contents.header))
        return {std::nullopt, QStringLiteral("not a configuration file of this panel: it does not start with \"%1\"")
                                  .arg(QString::fromLatin1(ConfigFile::Signature))};
    if (contents.error)
        return {std::nullopt, *contents.error};
    ConfigImage image;
    image.assign(contents.image);
    return {image, QString()};
}

Result readJson(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    const QByteArray bytes = file.read(LargestJson + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, file.errorString()};
    if (bytes.size() > LargestJson)
        return {std::nullopt, QStringLiteral("larger than %1 bytes, too large for a configuration").arg(LargestJson)};
    ConfigJson::ReadResult json = ConfigJson::read(bytes);
    return {json.image, json.error};
}

} // namespace

Result read(const QString& path)
{
    return path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) ? readJson(path) : readQ22(path);
}

} // namespace ConfigInput
