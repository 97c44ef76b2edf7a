#include "ConfigInput.h"

#include "ConfigFile.h"
#include "JsonConfigFile.h"

namespace ConfigInput {

namespace {

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

} // namespace

Result read(const QString& path)
{
    if (!JsonConfigFile::isJsonName(path))
        return readQ22(path);
    ConfigJson::ReadResult json = JsonConfigFile::read(path);
    return {json.image, json.error};
}

ConfigJson::TemplateResult readTemplate(const QString& path)
{
    if (JsonConfigFile::isJsonName(path))
        return JsonConfigFile::readTemplate(path);
    const Result whole = readQ22(path);
    if (!whole.image)
        return {std::nullopt, whole.error};
    return {ConfigTemplate::wholeOf(*whole.image), QString()};
}

} // namespace ConfigInput
