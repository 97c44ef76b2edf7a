#pragma once

#include <QString>

class ConfigImage;

// The panel's identifier as the user knows it: the account number of the
// first channel record as four upper-case hexadecimal digits (00AB).
QString panelIdentifier(const ConfigImage& image);
