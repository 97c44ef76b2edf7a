#include "ConfigOutput.h"

#include "ConfigFile.h"
#include "ConfigJson.h"
#include "JsonConfigFile.h"

namespace ConfigOutput {

QByteArray bytesFor(const QString& target, const ConfigImage& image)
{
    return JsonConfigFile::isJsonName(target) ? ConfigJson::write(image) : ConfigFile::bytesOf(image);
}

} // namespace ConfigOutput
