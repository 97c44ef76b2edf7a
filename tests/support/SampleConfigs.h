#pragma once

#include "ConfigImage.h"

#include <QString>

#include <optional>

// Configurations on disk for the command line's tests.
namespace SampleConfigs {

// The factory configuration with Z3 switched on and the siren at 60 s. For Z3
// the pages write "Включен" with no other mark as an instant zone.
ConfigImage factoryWithZ3OnAndSirenAt60();

// The factory configuration of the panel with this account number: 0x1A2B is
// the panel 1A2B.
ConfigImage factoryOfPanel(quint16 account);

// The factory configuration as an installer leaves it: one SMS phone, with its
// call ticked, and a balance request, so that "Записать" takes it without a question.
ConfigImage readyToWrite();

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
// Back from a file of either form; none when it is not a whole configuration.
std::optional<ConfigImage> read(const QString& path);

} // namespace SampleConfigs
