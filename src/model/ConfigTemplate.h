#pragma once

#include "ConfigImage.h"
#include "ImageComparison.h"

#include <QList>

struct CatalogueField;

// Some fields of a configuration, each with its value: what a template names
// for many panels to take. A whole configuration is a template that names
// every field.
class ConfigTemplate {
public:
    // fields in image order; values holds their bytes, the rest of it is not looked at.
    ConfigTemplate(QList<const CatalogueField*> fields, const ConfigImage& values);

    static ConfigTemplate wholeOf(const ConfigImage& image);

    const QList<const CatalogueField*>& fields() const { return m_fields; }
    const ConfigImage& values() const { return m_values; }

    // The named fields whose bytes differ in the image, in image order: the
    // template's value as valueA, the image's as valueB.
    QList<FieldDifference> differencesFrom(const ConfigImage& image) const;

private:
    QList<const CatalogueField*> m_fields;
    ConfigImage m_values;
};
