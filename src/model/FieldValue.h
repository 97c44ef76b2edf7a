#pragma once

#include "FieldCatalogue.h"

#include <QJsonValue>
#include <QString>

// A field's readable value, as the JSON form carries it, and back into the
// image: numbers as numbers (scaled), texts as Unicode strings, addresses
// dotted, bits as a list of their names. Reserved ranges have no readable value.
namespace FieldValue {

QJsonValue read(const CatalogueField& field, const ConfigImage& image);

// Stores a readable value into the field; false with the reason in `error`
// (the image untouched) when the value does not fit the field.
bool write(const CatalogueField& field, const QJsonValue& value, ConfigImage& image, QString& error);

// Whether the readable value gives back exactly the field's bytes; for a
// reserved range, whether it is all zero.
bool carriesExactly(const CatalogueField& field, const ConfigImage& image);

} // namespace FieldValue
