#pragma once

#include "ConfigImage.h"

#include <QString>

// Configurations on disk for the command line's tests.
namespace SampleConfigs {

// The factory configuration with Z3 switched on and the siren at 60 s. For Z3
// the pages write "Включен" with no other mark as an instant zone.
ConfigImage factoryWithZ3OnAndSirenAt60();

// The factory configuration of the panel with this account number: 0x1A2B is
// the panel 1A2B.
ConfigImage factoryOfPanel(quint16 account);

// Every byte drawn from the seed, so a byte moved, lost or left zero shows;
// the panel is named 1A2B.
QByteArray scatteredBytes(quint32 seed);

// As a JSON document when the name ends in ".json", otherwise as a .q22 file.
bool write(const QString& path, const ConfigImage& image);

} // namespace SampleConfigs
