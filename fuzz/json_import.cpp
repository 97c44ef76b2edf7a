// Fuzz target: importing a JSON document. The input is the document's bytes.
//
// Must hold, whatever the bytes: the import gives an image or the reason it
// gives none, never both; an image it gives is whole, and exporting it and
// importing the export gives the same image back.
#include "ConfigJson.h"
#include "Require.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ConfigJson::ReadResult result =
        ConfigJson::read(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    require(result.image.has_value() == result.error.isEmpty(), "an image or a reason, never both");
    if (!result.image)
        return 0;
    require(result.image->bytes().size() == ConfigImage::Size, "an imported image is whole");
    const ConfigJson::ReadResult again = ConfigJson::read(ConfigJson::write(*result.image));
    require(again.image.has_value(), "the export of an imported image imports");
    require(*again.image == *result.image, "the export of an imported image imports as the same image");
    return 0;
}
