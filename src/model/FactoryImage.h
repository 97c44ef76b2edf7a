#pragma once

#include "ConfigImage.h"

// The image the window builds from its factory configuration: what
// "Заводские установки" puts into the pages, written by the builder.
ConfigImage factoryImage();
