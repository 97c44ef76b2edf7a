#include "SampleConfigs.h"

#include "ConfigFile.h"
#include "ConfigJson.h"
#include "FactoryImage.h"
#include "JsonConfigFile.h"
#include "TestFiles.h"

namespace SampleConfigs {

ConfigImage factoryWithZ3OnAndSirenAt60()
{
    namespace L = ImageLayout;
    ConfigImage image = factoryImage();
    image.setValue(L::zoneField(3, L::Zone::ZoneType), L::Zone::On | L::ZoneTypeCode::Instant);
    image.setValue(L::SirenTime, 60 / 5);
    return image;
}

ConfigImage readyToWrite()
{
    namespace L = ImageLayout;
    ConfigImage image = factoryImage();
    image.setChars(L::smsPhone(1), "+380501234567");
    image.setValue(L::channelField(L::SmsRecord, L::Channel::CallMask), 0x01);
    image.setText(L::BalanceRequest, QStringLiteral("*111#"));
    return image;
}

QByteArray scatteredBytes(quint32 seed)
{
    QByteArray bytes(ConfigImage::Size, '\0');
    for (char& byte : bytes) {
        seed = seed * 22695477u + 1u;
        byte = static_cast<char>(seed >> 16);
    }
    ConfigImage image;
    image.assign(bytes);
    image.setValue(ImageLayout::channelField(ImageLayout::SmsRecord, ImageLayout::Channel::Account), 0x1A2B);
    return image.bytes();
}

bool write(const QString& path, const ConfigImage& image)
{
    if (path.endsWith(QLatin1String(".json")))
        return writeFile(path, ConfigJson::write(image));
    return !ConfigFile::write(path, image);
}

std::optional<ConfigImage> read(const QString& path)
{
    if (path.endsWith(QLatin1String(".json")))
        return JsonConfigFile::read(path).image;
    const ConfigFile::Contents contents = ConfigFile::read(path);
    if (contents.error || !ConfigFile::signatureMatches(contents.header))
        return std::nullopt;
    ConfigImage image;
    image.assign(contents.image);
    return image;
}

} // namespace SampleConfigs
