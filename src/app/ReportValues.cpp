#include "ReportValues.h"

#include "FieldCatalogue.h"

#include <QRegularExpression>

ReportValues::ReportValues(const ConfigImage& image, bool showPasswords)
    : m_image(image)
    , m_showPasswords(showPasswords)
{
}

QString ReportValues::of(const CatalogueField& field) const
{
    const QString shown = FieldCatalogue::displayValue(field, m_image);
    const bool empty = shown.trimmed().isEmpty()
                       || (field.kind == FieldKind::Ipv4 && m_image.value(field.layoutField()) == 0);
    if (empty)
        return none();
    return isSecret(field) && !m_showPasswords ? mask() : shown;
}

QString ReportValues::of(const QString& key) const
{
    const CatalogueField* field = FieldCatalogue::find(key);
    Q_ASSERT(field);
    return of(*field);
}

bool ReportValues::isSecret(const CatalogueField& field)
{
    static const QStringList secrets = {
        QStringLiteral("wifi.password"),
        QStringLiteral("general.block_phone"),
        QStringLiteral("general.unblock_phone"),
        QStringLiteral("update.phone"),
    };
    return secrets.contains(field.key);
}

bool ReportValues::isInternal(const CatalogueField& field)
{
    static const QRegularExpression internal(QStringLiteral(
        "^(general\\.layout_mark|update\\.firmware_version|channels\\[1\\]\\.test_period_s"
        "|zones\\[\\w+\\]\\.(marker|number|class)|users\\[\\d+\\]\\.number|channels\\[\\d+\\]\\.mac_number)$"));
    return internal.match(field.key).hasMatch();
}
