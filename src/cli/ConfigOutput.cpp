#include "ConfigOutput.h"

#include "AtomicFile.h"
#include "ConfigFile.h"
#include "ConfigJson.h"
#include "JsonConfigFile.h"

namespace ConfigOutput {

std::optional<QString> write(const QString& path, const ConfigImage& image)
{
    if (JsonConfigFile::isJsonName(path))
        return AtomicFile::write(path, ConfigJson::write(image));
    return ConfigFile::write(path, image);
}

} // namespace ConfigOutput
