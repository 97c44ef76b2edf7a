#pragma once

#include "ConfigImage.h"
#include "FieldCatalogue.h"

#include <QList>
#include <QString>

struct FieldDifference {
    const CatalogueField* field;
    QString valueA;
    QString valueB;
};

// One difference per catalogue entry whose bytes differ, in image order; the
// values as FieldCatalogue::displayValue shows them.
QList<FieldDifference> compareImages(const ConfigImage& a, const ConfigImage& b);

// The same over the given entries only, in the order given.
QList<FieldDifference> compareFields(const QList<const CatalogueField*>& fields, const ConfigImage& a,
                                     const ConfigImage& b);
