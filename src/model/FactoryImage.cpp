#include "FactoryImage.h"

ConfigImage factoryImage()
{
    return ConfigImage();
}
