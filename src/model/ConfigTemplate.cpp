#include "ConfigTemplate.h"

#include "FieldCatalogue.h"

ConfigTemplate::ConfigTemplate(QList<const CatalogueField*> fields, const ConfigImage& values)
    : m_fields(std::move(fields))
    , m_values(values)
{
}

ConfigTemplate ConfigTemplate::wholeOf(const ConfigImage& image)
{
    return ConfigTemplate(FieldCatalogue::everyField(), image);
}

QList<FieldDifference> ConfigTemplate::differencesFrom(const ConfigImage& image) const
{
    return compareFields(m_fields, m_values, image);
}
