#pragma once

#include "ConfigImage.h"

#include <QList>
#include <QString>

// Configurations that the window's "Записать" refuses once they are loaded,
// each with the text and caption of its box, and the configuration they are
// made from, which it writes without a word.
namespace RefusedImages {

struct Case {
    QString name;
    ConfigImage image;
    QString text;
    QString caption;
};

// The factory configuration with a balance request and one phone for the SMS.
ConfigImage accepted();

QList<Case> cases();

// Configurations on which it asks whether to go on without a balance request,
// and goes on only on Yes.
QList<Case> asking();

} // namespace RefusedImages
