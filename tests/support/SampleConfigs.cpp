#include "SampleConfigs.h"

#include "ConfigFile.h"
#include "ConfigJson.h"
#include "FactoryImage.h"
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

bool write(const QString& path, const ConfigImage& image)
{
    if (path.endsWith(QLatin1String(".json")))
        return writeFile(path, ConfigJson::write(image));
    return !ConfigFile::write(path, image);
}

} // namespace SampleConfigs
