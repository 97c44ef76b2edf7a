#pragma once

#include "ConfigImage.h"

#include <QString>

// Configurations on disk for the command line's tests.
namespace SampleConfigs {

// The factory configuration with Z3 switched on and the siren at 60 s. For Z3
// the pages write "Включен" with no other mark as an instant zone.
ConfigImage factoryWithZ3OnAndSirenAt60();

// A site away from the factory configuration in every table of a report:
// Z1-Z6 on in three named groups, users 1-10 in ranges of alike groups, two
// SMS phones (the first also called), a secured Wi-Fi network; the panel is
// named 5C31. The window restores and writes it back unchanged.
ConfigImage siteWithSixZones();

// Every byte drawn from the seed, so a byte moved, lost or left zero shows;
// the panel is named 1A2B.
QByteArray scatteredBytes(quint32 seed);

// As a JSON document when the name ends in ".json", otherwise as a .q22 file.
bool write(const QString& path, const ConfigImage& image);

} // namespace SampleConfigs
